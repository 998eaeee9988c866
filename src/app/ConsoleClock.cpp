#include "ConsoleClock.h"

#include <ctime>

#include "common/FileSystem.h"

namespace tavmir {
namespace {

std::string localNow(const char* format) {
    const std::time_t t = std::time(nullptr);
    const std::tm local = localTimeOf(t);
    char buf[128];
    const std::size_t n = std::strftime(buf, sizeof buf, format, &local);
    return std::string(buf, n);
}

}  // namespace

std::string consoleLongDate() { return localNow("%A, %B %d, %Y"); }
std::string consoleLongTime() { return localNow("%H:%M:%S"); }

}  // namespace tavmir
