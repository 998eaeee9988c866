// A Status as a test compares it: "" for success, else the failure's text.
#pragma once

#include <string>

#include "common/Status.h"

namespace tavmir::test {

inline std::string statusText(const Status& status) {
    return status ? std::string() : status.error();
}

}  // namespace tavmir::test
