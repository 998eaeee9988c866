// Small stateless routines used by several windows: the key filters of value fields, the
// elapsed-time text of the batch tools, the fixed-width padding of reports, the split of a
// multiple file selection into full paths, and unique temporary file names.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

// The code of Backspace, which every key filter lets through.
inline constexpr char16_t kBackspaceKey = 8;

// Numeric value fields: "0".."9", "-" and Backspace pass; returns the code, or 0 when refused.
char16_t numericKeyFilter(char16_t code);

// Alphanumeric value fields: codes 32..127 and Backspace pass; returns the code, or 0.
char16_t textKeyFilter(char16_t code);

// "mm:ss" or "hh:mm:ss", followed by ".mmm", ".cc" or ".d" when precision starts with M, C or D
// (any case). Negative times count as 0.
std::string formatElapsedTime(std::int32_t milliseconds, std::string_view precision);

// Widest text padText produces; wider requests give the empty text rather than a huge string.
inline constexpr std::int32_t kPadTextWidthLimit = 1 << 16;

// text cut or filled with the first character of fill (a space when fill is empty) to width:
// alignment 1 keeps the start and fills on the right, 2 keeps the end and fills on the left.
// Any other alignment, or a width outside 0..kPadTextWidthLimit, gives the empty text.
std::string padText(std::string_view text, int alignment, std::int32_t width,
                    std::string_view fill = " ");

// The full paths of a file dialog's selection: a single path as it is, or a folder followed by
// NUL-separated file names (empty names are skipped).
std::vector<std::string> splitFileSelection(std::string_view selection);

// Numbers drawn from [0, 1).
using RandomSource = std::function<double()>;

// The process-wide random numbers, seeded from the time of day on first use.
double processRandom();

// Seeds the process-wide random numbers (start-up seeds them from the time of day).
void seedProcessRandom(std::uint32_t seed);

// How many names temporaryFileName tries before giving up.
inline constexpr int kTemporaryNameAttempts = 1000;

// A name in folder (or bare, when folder is empty) of two lower-case letters, six digits and
// ".tmp" that names no existing file; the file is not created. Empty text when every attempt
// named an existing file. random defaults to processRandom.
std::string temporaryFileName(std::string_view folder, const RandomSource& random = {});

}  // namespace tavmir
