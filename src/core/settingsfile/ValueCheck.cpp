#include "settingsfile/ValueCheck.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "common/Numeric.h"
#include "common/Text.h"

namespace tavmir {
namespace {

// The last check of a number that fits, for a setting with limits.
ValueCheck limitsCheck(const SettingDef& def, double x) {
    if (x < def.lowLimit) return ValueCheck::BelowLow;
    if (x > def.highLimit) return ValueCheck::AboveHigh;
    return ValueCheck::Accepted;
}

}  // namespace

ValueCheck checkSettingValue(const Catalogue& catalogue, int n, std::string_view value) {
    const SettingDef& def = catalogue[n];
    if (def.isText())
        return static_cast<std::int64_t>(value.size()) > def.maxLength ? ValueCheck::TooLong
                                                                       : ValueCheck::Accepted;

    std::string_view v = trimSpaces(value);
    if (v.empty()) v = "0";

    // Nearly every value is a plain whole number: decide those without the general parser.
    if (v.size() <= 10) {
        const bool negative = v[0] == '-';
        std::size_t i = negative ? 1 : 0;
        std::int64_t x = 0;
        for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) x = x * 10 + (v[i] - '0');
        if (i == v.size() && i > (negative ? 1u : 0u)) {
            if (negative) x = -x;
            if (x > 2147483647) return ValueCheck::Overflow;
            return def.hasRange() ? limitsCheck(def, static_cast<double>(x)) : ValueCheck::Accepted;
        }
    }
    const std::optional<double> number = numberValue(v);
    if (!number) return ValueCheck::NotNumeric;
    if (v.size() > 10) return ValueCheck::Overflow;
    // The fixed-point conversion with four decimals holds about +-9.2e14.
    const double fixed = roundHalfEven(*number, 4);
    if (!(std::fabs(fixed) < 922337203685477.0) || fixed > 2147483647.0)
        return ValueCheck::Overflow;
    return def.hasRange() ? limitsCheck(def, leadingNumber(v)) : ValueCheck::Accepted;
}

std::string_view valueCheckCode(ValueCheck check) {
    switch (check) {
        case ValueCheck::Accepted:
            return "";
        case ValueCheck::TooLong:
            return "1";
        case ValueCheck::NotNumeric:
            return "2";
        case ValueCheck::Overflow:
            return "3";
        case ValueCheck::BelowLow:
            return "4";
        case ValueCheck::AboveHigh:
            return "5";
    }
    return "";
}

std::optional<std::string> proposedValue(const Catalogue& catalogue, int n, std::string_view value,
                                         ValueCheck check) {
    const SettingDef& def = catalogue[n];
    const auto acceptable = [&](const std::string& text) {
        return checkSettingValue(catalogue, n, text) == ValueCheck::Accepted;
    };
    const std::string_view v = trimSpaces(value);
    switch (check) {
        case ValueCheck::Accepted:
            return std::nullopt;
        case ValueCheck::TooLong:
            return std::string(value.substr(0, static_cast<std::size_t>(def.maxLength)));
        case ValueCheck::BelowLow:
            return decimal(def.lowLimit);
        case ValueCheck::AboveHigh:
            return decimal(def.highLimit);
        case ValueCheck::Overflow: {
            // Too many characters need not mean too large ("00000000015"): the number written
            // plainly is kept when it passes; otherwise the end of the range on its side.
            // The check calls a text an overflow only when it is a number.
            const double number = numberValue(v).value_or(0.0);
            std::string plain = shortestDecimal(number);
            if (acceptable(plain)) return plain;
            const bool negative = number < 0;
            if (def.hasRange()) return decimal(negative ? def.lowLimit : def.highLimit);
            return negative ? std::string("-999999999") : std::string("2147483647");
        }
        case ValueCheck::NotNumeric: {
            if (const std::optional<double> leading = leadingNumberOf(v)) {
                std::string number = shortestDecimal(*leading);
                if (acceptable(number)) return number;
            }
            return def.defaultValue;
        }
    }
    return std::nullopt;
}

std::string checkValue(const Catalogue& catalogue, int n, std::string_view value) {
    return std::string(valueCheckCode(checkSettingValue(catalogue, n, value)));
}

}  // namespace tavmir
