// Small byte-string helpers shared by every core module. Texts are single-byte strings kept
// exactly as read; nothing here depends on a locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
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

// text with each CR LF as LF: the program's messages and reports, written with CR LF, as lines
// of this platform on a terminal or in a pipe. A CR on its own stays.
std::string unixLines(std::string_view text);

// A text from outside (a file name, an argument, bytes of a file) as one line of the program's
// output shows it, unambiguously: a backslash as "\\", a control character (bytes 0 to 31 and
// 127) as "\xHH" with upper-case hex digits, every other byte as it is. Reading those two
// escapes back gives the text again, so a name holding a line feed and one holding the four
// characters "\x0A" never print alike, and no byte can end a line early or drive the terminal.
std::string printableText(std::string_view text);

// Upper-cases ASCII letters only.
std::string toUpperAscii(std::string_view s);
std::string toLowerAscii(std::string_view s);

// The paragraphs of a message: the texts joined by an empty line (CR LF CR LF), as every
// message box of the program sets its parts apart.
std::string paragraphs(std::initializer_list<std::string_view> texts);

// text as a menu shows it, literally: each "&" doubled, so that none marks an access key.
std::string menuLiteral(std::string_view text);

// Decimal text of a whole number.
std::string decimal(std::int64_t n);

// Decimal text of n with at least digits digits, zeros in front.
std::string zeroPadded(std::int64_t n, std::size_t digits);

// Widest text padText produces; wider requests give the empty text rather than a huge string.
inline constexpr std::int32_t kPadTextWidthLimit = 1 << 16;

// text cut or filled with the first character of fill (a space when fill is empty) to width:
// alignment 1 keeps the start and fills on the right, 2 keeps the end and fills on the left.
// Any other alignment, or a width outside 0..kPadTextWidthLimit, gives the empty text.
std::string padText(std::string_view text, int alignment, std::int32_t width,
                    std::string_view fill = " ");

}  // namespace tavmir
