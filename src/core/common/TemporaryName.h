// Unique temporary file names (two letters, six digits, ".tmp") and the process-wide random
// numbers they are drawn from.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tavmir {

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

// The name of the same shape that a save of the file fileName in folder writes to first: always
// the same one for the same file name, so the next save finds and takes over what a save that
// was killed left behind. Short whatever the length of fileName.
std::string keptTemporaryName(std::string_view folder, std::string_view fileName);

}  // namespace tavmir
