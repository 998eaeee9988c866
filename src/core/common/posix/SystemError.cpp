#include "common/SystemError.h"

#include <locale.h>
#include <string.h>

namespace tavmir {
namespace {

// The descriptions are the system's own English texts, whatever language the user's locale
// asks for: they stand inside the program's English messages, logs and reports, which must
// read the same on every machine.
locale_t classicLocale() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

std::string systemErrorText(int errnoValue) {
    if (errnoValue == 0) return "Unknown error";
    if (const locale_t c = classicLocale()) return ::strerror_l(errnoValue, c);
    return std::system_category().message(errnoValue);
}

std::string systemErrorText(const std::error_code& ec) {
    if (!ec) return "Unknown error";
    if (ec.category() == std::system_category() || ec.category() == std::generic_category())
        return systemErrorText(ec.value());
    return ec.message();
}

}  // namespace tavmir
