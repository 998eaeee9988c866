#include "common/StateFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "common/SystemError.h"

namespace tavmir {
namespace {

// A folder made for the program's state, or one already there; false with errno otherwise.
bool haveFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    if (errno != EEXIST) return false;
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

}  // namespace

std::filesystem::path stateFolder() {
    // Relative values are to be ignored, as the base directory rules say.
    if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg != nullptr && xdg[0] == '/')
        return std::filesystem::path(xdg) / "tavmir";
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
        return std::filesystem::path(home) / ".local" / "state" / "tavmir";
    return {};
}

tl::expected<std::filesystem::path, std::string> stateSubfolder(std::string_view name) {
    const std::filesystem::path folder = stateFolder();
    if (folder.empty()) return tl::unexpected(std::string("No home folder to keep state in"));
    // The folders above the state folder (~/.local/state) are made as the user's own.
    std::error_code ec;
    std::filesystem::create_directories(folder.parent_path(), ec);
    const std::filesystem::path sub = folder / name;
    if (!haveFolder(folder) || !haveFolder(sub)) return tl::unexpected(systemErrorText(errno));
    return sub;
}

}  // namespace tavmir
