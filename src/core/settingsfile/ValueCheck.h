// The check of one value against its setting in the catalogue, which the reader runs on every
// value of a file and the editor's save on every field: the same rule in both.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"

namespace tavmir {

// What checking one value against its setting found: the first check it fails, or Accepted.
enum class ValueCheck {
    Accepted,
    TooLong,     // an alphanumeric value longer than the setting's maximum length
    NotNumeric,  // a numeric setting's value that is no number
    Overflow,    // a number beyond the whole numbers a setting can hold
    BelowLow,    // below the setting's low limit
    AboveHigh,   // above the setting's high limit
};

// The first check setting n's value fails, or ValueCheck::Accepted.
ValueCheck checkSettingValue(const Catalogue& catalogue, int n, std::string_view value);

// The code a check's result is known by: "" when accepted, else "1" too long, "2" not numeric,
// "3" overflow, "4" below the low limit, "5" above the high limit.
std::string_view valueCheckCode(ValueCheck check);

// The value that best replaces `value` of setting n when it fails `check` (checkSettingValue's
// answer for it), or nothing when it passes:
//   below the low limit: the low limit; above the high limit: the high limit;
//   an overflow: the number written plainly when that passes ("00000000015" gives 15), else
//     the high limit (the low limit for a negative number), or without limits 2147483647
//     (-999999999, the lowest whole number the check takes, for a negative one);
//   not a number: its leading number when it has one that passes ("12a" gives 12), else the
//     setting's default;
//   an alphanumeric value too long: the value cut to the setting's maximum length.
std::optional<std::string> proposedValue(const Catalogue& catalogue, int n, std::string_view value,
                                         ValueCheck check);

// The code of checkSettingValue's result.
std::string checkValue(const Catalogue& catalogue, int n, std::string_view value);

}  // namespace tavmir
