#include "mainwindow/SamePath.h"

#include <filesystem>
#include <system_error>

namespace tavmir {

bool samePath(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return false;
    namespace fs = std::filesystem;
    const fs::path pa{std::string(a)};
    const fs::path pb{std::string(b)};
    std::error_code ea;
    std::error_code eb;
    const fs::path na = fs::absolute(pa, ea).lexically_normal();
    const fs::path nb = fs::absolute(pb, eb).lexically_normal();
    if (!ea && !eb && na == nb) return true;
    // The system would read a path with a NUL byte only up to the NUL, and so could call two
    // different texts the same file.
    if (a.find('\0') != std::string_view::npos || b.find('\0') != std::string_view::npos)
        return false;
    std::error_code ec;
    const bool same = fs::equivalent(pa, pb, ec);
    return !ec && same;
}

}  // namespace tavmir
