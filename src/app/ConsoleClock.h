// The system's long date and long time of the headless modes' report headers, in the local
// time zone ("Monday, December 07, 2026" and "18:05:09").
#pragma once

#include <string>

namespace tavmir {

std::string consoleLongDate();
std::string consoleLongTime();

}  // namespace tavmir
