#include "common/SystemError.h"

#include <cerrno>
#include <cstring>

#include "common/win32/Win32.h"

namespace tavmir {
namespace {

// The texts of the errors the door reports, worded as on the program's other systems, so that
// a message, a log line or a report reads the same everywhere.
const char* errnoText(int e) {
    switch (e) {
        case ENOENT:
            return "No such file or directory";
        case EACCES:
            return "Permission denied";
        case EPERM:
            return "Operation not permitted";
        case EEXIST:
            return "File exists";
        case ENOSPC:
            return "No space left on device";
        case ENAMETOOLONG:
            return "File name too long";
        case ENOTDIR:
            return "Not a directory";
        case EISDIR:
            return "Is a directory";
        case EFBIG:
            return "File too large";
        case EIO:
            return "Input/output error";
        case ENOMEM:
            return "Cannot allocate memory";
        case ENOTEMPTY:
            return "Directory not empty";
        case EINVAL:
            return "Invalid argument";
        case ELOOP:
            return "Too many levels of symbolic links";
        case EBUSY:
            return "Device or resource busy";
        case EROFS:
            return "Read-only file system";
        case EXDEV:
            return "Invalid cross-device link";
        case EAGAIN:
            return "Resource temporarily unavailable";
        default:
            return nullptr;
    }
}

// The system's own message for a Win32 error, in English whatever the user's language; a file
// another program holds without sharing it is named as such, the same on every version.
std::string win32Text(DWORD code) {
    if (code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION)
        return "The file is in use by another program";
    wchar_t* buffer = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD n = ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                               reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (n == 0)
        n = ::FormatMessageW(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                             reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (n == 0 || buffer == nullptr) return "System error " + std::to_string(code);
    std::wstring text(buffer, n);
    ::LocalFree(buffer);
    // One line without its final full stop, as the other systems word theirs.
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                             text.back() == L'.'))
        text.pop_back();
    return win32::utf8Of(text);
}

}  // namespace

std::string systemErrorText(int errnoValue) {
    if (errnoValue == 0) return "Unknown error";
    if (errnoValue < 0) return win32Text(static_cast<DWORD>(-errnoValue));
    if (const char* text = errnoText(errnoValue)) return text;
    return std::strerror(errnoValue);
}

std::string systemErrorText(const std::error_code& ec) {
    if (!ec) return "Unknown error";
    // The system category holds Win32 codes here.
    if (ec.category() == std::system_category())
        return systemErrorText(win32::errorNumber(static_cast<DWORD>(ec.value())));
    if (ec.category() == std::generic_category()) return systemErrorText(ec.value());
    return ec.message();
}

}  // namespace tavmir
