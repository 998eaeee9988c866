// The operating system's description of a failure, as shown to the user in messages and logs.
#pragma once

#include <string>
#include <system_error>

namespace tavmir {

// Text for an errno value ("No such file or directory").
std::string systemErrorText(int errnoValue);
std::string systemErrorText(const std::error_code& ec);

}  // namespace tavmir
