#include "common/Numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tavmir {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// "&H1F" / "&O17": a whole number in base 16 or 8. Up to four hex (six octal) digits are a
// 16-bit quantity and up to eight hex (eleven octal) digits a 32-bit one, so "&HFFFF" is -1.
std::optional<double> radixNumber(std::string_view digits, int base, bool wholeText) {
    std::uint64_t v = 0;
    std::size_t used = 0;
    for (char c : digits) {
        const int d = digitValue(c);
        if (d >= base) {
            if (wholeText) return std::nullopt;
            break;
        }
        v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (v > 0xFFFFFFFFull) return wholeText ? std::nullopt : std::optional<double>(0.0);
        ++used;
    }
    if (used == 0) return wholeText ? std::nullopt : std::optional<double>(0.0);
    if (v <= 0xFFFF) {
        if (v >= 0x8000) return static_cast<double>(static_cast<std::int64_t>(v) - 0x10000);
        return static_cast<double>(v);
    }
    if (v >= 0x80000000ull)
        return static_cast<double>(static_cast<std::int64_t>(v) - 0x100000000ll);
    return static_cast<double>(v);
}

// The value of a plain decimal text (digits with at most one ".", an optional "e" and
// exponent; no sign), read without the locale: as strtod in the "C" locale would, beyond the
// range of double giving infinity and below it zero.
double decimalMagnitude(const std::string& text) {
    double v = 0.0;
    const auto r =
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (r.ec != std::errc::result_out_of_range) return v;
    // Out of range: the power of ten of the first non-zero digit says which way.
    const std::size_t e = text.find('e');
    const std::string_view mantissa = std::string_view(text).substr(0, e);
    long exponent = 0;
    if (e != std::string::npos) {
        std::string_view digits = std::string_view(text).substr(e + 1);
        const bool down = !digits.empty() && digits.front() == '-';
        if (down) digits.remove_prefix(1);
        for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
        if (down) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return 0.0;
    const long place =
        first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    return place + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double saturate(double v) {
    if (std::isinf(v))
        return v > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    return v;
}

// Parses sign, digits, point, digits and an exponent from s (no blanks in s); returns the
// number of characters that form the number (0 when there are no mantissa digits) and the
// value they read as. "." is the decimal point whatever the user's locale says.
std::size_t scanDecimal(std::string_view s, double& value) {
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t mantissaStart = i;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0;
    std::string normal(s.substr(mantissaStart, i - mantissaStart));
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expDigitsStart = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > expDigitsStart) {
            normal += 'e';
            if (s[i + 1] == '-') normal += '-';
            normal.append(s.substr(expDigitsStart, j - expDigitsStart));
            i = j;
        }
    }
    const double magnitude = decimalMagnitude(normal);
    value = negative ? -magnitude : magnitude;
    return i;
}

}  // namespace

bool isNumber(std::string_view text) { return numberValue(text).has_value(); }

std::optional<double> numberValue(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.size() >= 2 && text[0] == '&') {
        if (text[1] == 'H' || text[1] == 'h') return radixNumber(text.substr(2), 16, true);
        if (text[1] == 'O' || text[1] == 'o') return radixNumber(text.substr(2), 8, true);
        return std::nullopt;
    }
    double value = 0.0;
    const std::size_t used = scanDecimal(text, value);
    if (used == 0 || used != text.size()) return std::nullopt;
    return value;
}

std::optional<double> leadingNumberOf(std::string_view text) {
    // Fast path for the usual value, a plain whole number.
    if (!text.empty() && text.size() <= 15) {
        const bool negative = text[0] == '-';
        std::size_t i = negative ? 1 : 0;
        std::int64_t x = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) x = x * 10 + (text[i] - '0');
        if (i == text.size() && i > (negative ? 1u : 0u))
            return static_cast<double>(negative ? -x : x);
    }
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        const int base = s[1] == 'H' || s[1] == 'h' ? 16 : s[1] == 'O' || s[1] == 'o' ? 8 : 0;
        if (base == 0 || s.size() == 2 || digitValue(s[2]) >= base) return std::nullopt;
        return radixNumber(s.substr(2), base, false);
    }
    double value = 0.0;
    if (scanDecimal(s, value) == 0) return std::nullopt;
    return saturate(value);
}

double leadingNumber(std::string_view text) { return leadingNumberOf(text).value_or(0.0); }

std::string shortestDecimal(double x) {
    if (!std::isfinite(x)) x = saturate(x);
    if (x == 0) return "0";  // also turns -0 into 0
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

double roundHalfEven(double x, int decimals) {
    if (!std::isfinite(x) || x == 0) return x;
    // Shortcut for the common case: rounding y = x * 10^decimals to an integer n goes the same
    // way as rounding x's decimal digits whenever y lies clearly away from a half (its error
    // is far below 1e-4 for magnitudes under 2^31), and n / 10^decimals is then the same
    // correctly rounded double the digit-wise rounding below produces. Near a half, or for
    // large magnitudes, the digits decide.
    static constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    if (decimals >= 0 && decimals <= 8) {
        const double scale = kScales[decimals];
        const double y = x * scale;
        if (std::fabs(y) < 2147483648.0 && std::fabs(y - std::floor(y) - 0.5) > 1e-4)
            return std::nearbyint(y) / scale;
    }
    // Work on the shortest decimal digits of x, so the rounding sees the number as written.
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf));
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.') digits.push_back(c);
    const std::string_view exponentText = sci.substr(ePos + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    const long keep = static_cast<long>(exponent) + 1 + decimals;  // digits kept
    if (keep >= static_cast<long>(digits.size())) return x;
    if (keep < 0) return 0.0 * x;

    const auto k = static_cast<std::size_t>(keep);
    const int next = digits[k] - '0';
    bool restNonZero = false;
    for (std::size_t i = k + 1; i < digits.size(); ++i)
        restNonZero = restNonZero || digits[i] != '0';
    const bool prevOdd = k > 0 && ((digits[k - 1] - '0') % 2 == 1);
    const bool up = next > 5 || (next == 5 && (restNonZero || prevOdd));

    std::string kept = k > 0 ? digits.substr(0, k) : std::string("0");
    // Add one to the kept digits when rounding up.
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    const double v = decimalMagnitude(kept + "e" + std::to_string(-decimals));
    return x < 0 ? -v : v;
}

int progressPercent(double share) {
    return std::min(100, static_cast<int>(roundHalfEven(share, 0)));
}

}  // namespace tavmir
