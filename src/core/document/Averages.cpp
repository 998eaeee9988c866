#include "document/Averages.h"

#include <cmath>
#include <cstdint>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "document/Layout.h"

namespace tavmir {
namespace {

// Adding 0.0 turns a negative zero (a tiny negative value rounded away) into +0, so it is
// written "0" and counts as "0 or more".
double normalised(double x) { return x + 0.0; }

// roundHalfEven(x, 2), with a shortcut for the common case. Rounding x * 100 to an integer
// n gives the same direction as rounding x's decimal digits whenever x * 100 lies clearly
// away from a half (its error is far below 1e-4 for magnitudes under 2^31), and n / 100 is
// then the same correctly rounded double that the exact routine produces. Near a half, or
// for large magnitudes, the exact routine decides.
double roundToCents(double x) {
    const double y = x * 100;
    if (std::fabs(y) < 2147483648.0) {
        const double fraction = y - std::floor(y);
        if (std::fabs(fraction - 0.5) > 1e-4) return std::nearbyint(y) / 100;
    }
    return roundHalfEven(x, 2);
}

}  // namespace

double shipValue(std::string_view text) {
    // Plain whole numbers, by far the most common value texts, are read directly; every
    // other form goes through the full reader.
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() > i && text.size() - i <= 15) {
        std::int64_t n = 0;
        for (std::size_t k = i; k < text.size(); ++k) {
            if (text[k] < '0' || text[k] > '9') return leadingNumber(text);
            n = n * 10 + (text[k] - '0');
        }
        return static_cast<double>(i == 1 ? -n : n);
    }
    return leadingNumber(text);
}

std::string averageTextOfSum(double sum) {
    return shortestDecimal(normalised(roundToCents(sum / kShipCount)));
}

std::string rowAverageText(const FieldTexts& fields, int row) {
    double sum = 0;
    for (int c = 0; c < kShipCount; ++c) sum += shipValue(fields[shipTable(row, c)]);
    return averageTextOfSum(sum);
}

void recalculateRow(FieldTexts& fields, int row) {
    fields[shipTable(row, kAverageColumn)] = rowAverageText(fields, row);
}

namespace {

double percentage(double value, double average) {
    if (average == 0) return 0;
    return normalised(roundToCents((value - average) * 100 / average));
}

}  // namespace

double percentageFromAverage(std::string_view valueText, std::string_view averageText) {
    return percentage(shipValue(valueText), numberValue(averageText).value_or(0.0));
}

std::string averageAnnotation(std::string_view valueText, std::string_view averageText) {
    return averageAnnotation(shipValue(valueText), numberValue(averageText).value_or(0.0),
                             averageText);
}

std::string averageAnnotation(double value, double average, std::string_view averageText) {
    std::string text;
    appendAverageAnnotation(text, value, average, averageText);
    return text;
}

void appendAverageAnnotation(std::string& out, double value, double average,
                             std::string_view averageText) {
    const double p = percentage(value, average);
    out += p >= 0 ? "(+" : "(";
    out += shortestDecimal(p);
    out += "%  Avg:";
    out += averageText;
    out += ") ";
}

std::string shipTooltip(const Catalogue& catalogue, const FieldTexts& fields, int setting,
                        int row) {
    const SettingDef& def = catalogue[setting];
    return averageAnnotation(fields[setting], fields[shipTable(row, kAverageColumn)]) +
           limitsText(def) + def.description;
}

}  // namespace tavmir
