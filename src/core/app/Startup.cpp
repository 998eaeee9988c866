#include "app/Startup.h"

#include "common/Text.h"

namespace tavmir {

std::string resolutionMessage(std::int32_t width, std::int32_t height) {
    if (width >= kMinimumScreenWidth && height >= kMinimumScreenHeight) return {};
    return "Minimum recommended resolution for this program is 1024x768" + std::string(kCrLf) +
           std::string(kCrLf) + "Current resolution is " + decimal(width) + "x" + decimal(height);
}

}  // namespace tavmir
