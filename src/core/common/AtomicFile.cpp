#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/InPlaceWrite.h"
#include "common/SaveTarget.h"
#include "common/SystemError.h"
#include "common/TemporarySibling.h"

namespace tavmir {
namespace {

WriteResult writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return {WriteStage::Write, systemErrorText(errno)};
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return {};
}

// Makes the rename itself reach the disk; a folder that cannot be flushed changes nothing.
void flushFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                Durability durability) {
    const SaveTarget t = resolveSaveTarget(target);
    if (!t.refusal.ok()) return t.refusal;
    if (t.exists && t.st.st_nlink > 1) return rewriteInPlace(t.path, bytes, durability);

    TemporarySibling tmp;
    // A file being replaced lends its permission bits below; until then only its owner can
    // read the new bytes. A new file gets what the umask leaves of read and write for all.
    if (WriteResult r = tmp.create(t.path, t.exists ? 0600 : 0666); !r.ok()) {
        // A writable file in a folder that takes no new files can still be saved, in place.
        if (t.exists && (tmp.createError() == EACCES || tmp.createError() == EPERM))
            return rewriteInPlace(t.path, bytes, durability);
        return r;
    }
    if (WriteResult r = writeAll(tmp.fd(), bytes); !r.ok()) return r;
    if (t.exists) {
        // The replacement keeps the owner and group; when the system does not allow that (the
        // file belongs to someone else), the file is rewritten in place instead. The mode comes
        // after the owner, which may clear set-user-ID bits.
        const bool sameOwner = t.st.st_uid == ::geteuid() && t.st.st_gid == ::getegid();
        if (!sameOwner && ::fchown(tmp.fd(), t.st.st_uid, t.st.st_gid) != 0) {
            tmp.discard();
            return rewriteInPlace(t.path, bytes, durability);
        }
        if (::fchmod(tmp.fd(), t.st.st_mode & 07777) != 0)
            return {WriteStage::Write, systemErrorText(errno)};
    }
    if (durability == Durability::Flushed && ::fsync(tmp.fd()) != 0)
        return {WriteStage::Write, systemErrorText(errno)};
    if (WriteResult r = tmp.commit(t.path); !r.ok()) return r;
    if (durability == Durability::Flushed) flushFolder(t.path);
    return {};
}

}  // namespace tavmir
