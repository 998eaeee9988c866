#include "common/ElapsedTime.h"

#include "common/Text.h"

namespace tavmir {
namespace {

// Appends n with at least two digits. Texts here are built piece by piece: GCC 12 reports a
// false -Wrestrict inside std::string for chains of operator+ at -O3.
void appendTwoDigits(std::string& out, std::int64_t n) {
    if (n >= 0 && n < 10) out += '0';
    out += std::to_string(n);
}

}  // namespace

std::string formatElapsedTime(std::int32_t milliseconds, std::string_view precision) {
    const std::int64_t ms = milliseconds < 0 ? 0 : milliseconds;
    const std::int64_t totalSeconds = ms / 1000;
    const std::int64_t rest = ms % 1000;
    const std::int64_t hours = totalSeconds / 3600;
    const std::int64_t minutes = (totalSeconds / 60) % 60;
    const std::int64_t seconds = totalSeconds % 60;

    std::string text;
    text.reserve(16);
    if (hours != 0) {
        appendTwoDigits(text, hours);
        text += ':';
    }
    appendTwoDigits(text, minutes);
    text += ':';
    appendTwoDigits(text, seconds);
    const char p = precision.empty() ? '\0' : precision.front();
    const int digits = (p == 'M' || p == 'm')   ? 3
                       : (p == 'C' || p == 'c') ? 2
                       : (p == 'D' || p == 'd') ? 1
                                                : 0;
    if (digits > 0) {
        text += '.';
        text += zeroPadded(digits == 3   ? rest
                           : digits == 2 ? rest / 10
                                         : rest / 100,
                           static_cast<std::size_t>(digits));
    }
    return text;
}

}  // namespace tavmir
