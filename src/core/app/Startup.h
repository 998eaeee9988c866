// Rules of the program's start-up that do not need a window: the screen-size advice shown
// before the main window appears. The preferences, the catalogue and the command line are
// loaded by their own modules (Preferences, Catalogue, CommandLine) in that order.
#pragma once

#include <cstdint>
#include <string>

namespace tavmir {

inline constexpr std::int32_t kMinimumScreenWidth = 1024;
inline constexpr std::int32_t kMinimumScreenHeight = 768;

// The advice for a screen smaller than 1024x768 pixels in either direction, or empty text when
// the screen is large enough. Start-up goes on after the advice is shown.
std::string resolutionMessage(std::int32_t width, std::int32_t height);

}  // namespace tavmir
