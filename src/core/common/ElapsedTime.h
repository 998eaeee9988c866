// The elapsed-time text of the batch runs and their reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavmir {

// "mm:ss" or "hh:mm:ss", followed by ".mmm", ".cc" or ".d" when precision starts with M, C or D
// (any case). Negative times count as 0.
std::string formatElapsedTime(std::int32_t milliseconds, std::string_view precision);

}  // namespace tavmir
