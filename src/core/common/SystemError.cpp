#include "common/SystemError.h"

#include <cstring>

namespace tavmir {

std::string systemErrorText(int errnoValue) {
    if (errnoValue == 0) return "Unknown error";
    return std::system_category().message(errnoValue);
}

std::string systemErrorText(const std::error_code& ec) {
    if (!ec) return "Unknown error";
    return ec.message();
}

}  // namespace tavmir
