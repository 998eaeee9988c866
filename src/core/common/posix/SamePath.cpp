#include "common/SamePath.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace tavmir {

std::string sameFileKey(std::string_view path) {
    if (path.empty()) return {};
    const std::string text(path);
    if (text.find('\0') == std::string::npos) {
        struct stat st {};
        if (::stat(text.c_str(), &st) == 0) {
            // Starts with a NUL, so it never equals the path form below.
            std::string key(1, '\0');
            key += std::to_string(st.st_dev);
            key += ':';
            key += std::to_string(st.st_ino);
            return key;
        }
    }
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(text), ec);
    if (ec) absolute = std::filesystem::path(text);
    return absolute.lexically_normal().string();
}

bool samePath(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return false;
    return sameFileKey(a) == sameFileKey(b);
}

}  // namespace tavmir
