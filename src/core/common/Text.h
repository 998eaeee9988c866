// Small byte-string helpers shared by every core module. Texts are single-byte strings kept
// exactly as read; nothing here depends on a locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavmir {

// The line break used in every message, log and file the program writes.
inline constexpr std::string_view kCrLf = "\r\n";

// Removes spaces (only the space character) at both ends.
inline std::string_view trimSpaces(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return s.substr(b, e - b);
}

// Upper-cases ASCII letters only.
std::string toUpperAscii(std::string_view s);
std::string toLowerAscii(std::string_view s);

// Decimal text of a whole number.
std::string decimal(std::int64_t n);

}  // namespace tavmir
