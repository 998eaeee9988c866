#include "document/Averages.h"

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "document/Layout.h"

namespace tavmir {
namespace {

// Adding 0.0 turns a negative zero (a tiny negative value rounded away) into +0, so it is
// written "0" and counts as "0 or more".
double normalised(double x) { return x + 0.0; }

}  // namespace

double shipValue(std::string_view text) { return leadingNumber(text); }

std::string averageTextOfSum(double sum) {
    return shortestDecimal(normalised(roundHalfEven(sum / kShipCount, 2)));
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
    return normalised(roundHalfEven((value - average) * 100 / average, 2));
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
