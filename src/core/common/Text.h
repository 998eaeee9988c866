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
std::string_view trimSpaces(std::string_view s);

// Upper-cases ASCII letters only.
std::string toUpperAscii(std::string_view s);
std::string toLowerAscii(std::string_view s);

// Decimal text of a whole number.
std::string decimal(std::int64_t n);

}  // namespace tavmir
