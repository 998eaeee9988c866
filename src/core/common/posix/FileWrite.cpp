#include "common/FileWrite.h"

#include <cerrno>

#include "common/InPlaceWrite.h"
#include "common/SystemError.h"
#include "common/posix/FileStatus.h"
#include "common/posix/SaveTarget.h"
#include "common/posix/TemporarySibling.h"

namespace tavmir {
namespace {

WriteStep writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return writeFailure(WriteStage::Write, systemErrorText(errno));
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return {};
}

WriteResult failed(WriteStage stage, int err) { return writeFailure(stage, systemErrorText(err)); }

}  // namespace

WriteResult writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                            Durability durability) {
    // An empty name would put the temporary file in the working folder.
    if (target.empty()) return failed(WriteStage::Open, ENOENT);
    const SaveTarget t = resolveSaveTarget(target);
    if (t.refusal) return tl::unexpected(*t.refusal);
    if (t.exists && t.st.st_nlink > 1) return rewriteInPlace(t.path, bytes, durability);

    TemporarySibling tmp;
    // A file being replaced lends its permission bits below; until then only its owner can
    // read the new bytes. A new file gets what the umask leaves of read and write for all.
    if (WriteStep made = tmp.create(t.path, t.exists ? 0600 : 0666); !made) {
        // A writable file in a folder that takes no new files can still be saved, in place.
        if (t.exists && (tmp.createError() == EACCES || tmp.createError() == EPERM))
            return rewriteInPlace(t.path, bytes, durability);
        return tl::unexpected(made.error());
    }
    if (WriteStep written = writeAll(tmp.fd(), bytes); !written)
        return tl::unexpected(written.error());
    if (t.exists) {
        // The replacement keeps the owner and group; when the system does not allow that (the
        // file belongs to someone else), the file is rewritten in place instead. The mode comes
        // after the owner, which may clear set-user-ID bits.
        const bool sameOwner = t.st.st_uid == ::geteuid() && t.st.st_gid == ::getegid();
        if (!sameOwner && ::fchown(tmp.fd(), t.st.st_uid, t.st.st_gid) != 0) {
            tmp.discard();
            return rewriteInPlace(t.path, bytes, durability);
        }
        if (::fchmod(tmp.fd(), t.st.st_mode & 07777) != 0) return failed(WriteStage::Write, errno);
    }
    if (durability == Durability::Flushed && ::fsync(tmp.fd()) != 0)
        return failed(WriteStage::Write, errno);
    // The temporary file becomes the target: its status is the written file's.
    struct stat st {};
    if (::fstat(tmp.fd(), &st) != 0) return failed(WriteStage::Write, errno);
    if (WriteStep renamed = tmp.commit(t.path); !renamed) return tl::unexpected(renamed.error());
    if (durability == Durability::Flushed) flushFolderOf(t.path);
    return identityOfBytes(stampOf(st), bytes);
}

}  // namespace tavmir
