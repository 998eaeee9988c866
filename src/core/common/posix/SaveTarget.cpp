#include "common/posix/SaveTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "common/SystemError.h"

namespace tavmir {
namespace {

// As many links as the system follows itself before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

WriteError refused(int err) { return {WriteStage::Open, systemErrorText(err), {}}; }

}  // namespace

SaveTarget resolveSaveTarget(const std::filesystem::path& target) {
    SaveTarget t;
    t.path = target;
    for (int hop = 0;; ++hop) {
        if (::lstat(t.path.c_str(), &t.st) != 0) {
            if (errno != ENOENT) t.refusal = refused(errno);
            return t;  // nothing there yet: the save creates it
        }
        if (!S_ISLNK(t.st.st_mode)) break;
        if (hop == kMaxLinkHops) {
            t.refusal = refused(ELOOP);
            return t;
        }
        std::vector<char> buf(static_cast<std::size_t>(t.st.st_size > 0 ? t.st.st_size : 255) + 1);
        const ssize_t n = ::readlink(t.path.c_str(), buf.data(), buf.size());
        if (n < 0 || static_cast<std::size_t>(n) >= buf.size()) {
            t.refusal = refused(n < 0 ? errno : ENAMETOOLONG);
            return t;
        }
        const std::filesystem::path next(std::string(buf.data(), static_cast<std::size_t>(n)));
        t.path = next.is_absolute() ? next : t.path.parent_path() / next;
    }
    if (S_ISDIR(t.st.st_mode)) {
        t.refusal = refused(EISDIR);
    } else if (!S_ISREG(t.st.st_mode)) {
        t.refusal = WriteError{WriteStage::Open, std::string(kNotRegularTargetError), {}};
    } else if (::faccessat(AT_FDCWD, t.path.c_str(), W_OK, AT_EACCESS) != 0) {
        // A read-only file (or one on a read-only file system) is not replaced behind the
        // back of its permissions, though its folder may allow it.
        t.refusal = refused(errno);
    } else {
        t.exists = true;
    }
    return t;
}

}  // namespace tavmir
