#include "common/FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"

namespace tavmir {
namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void fillFromStat(FileIdentity& id, const struct stat& st) {
    id.exists = true;
    id.regular = S_ISREG(st.st_mode);
    id.size = static_cast<std::uint64_t>(st.st_size);
    id.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
}

}  // namespace

FileIdentity identifyFile(const std::string& path, std::uint64_t maxBytes) {
    FileIdentity id;
    struct stat st {};
    if (path.empty() || path.find('\0') != std::string::npos || ::stat(path.c_str(), &st) != 0)
        return id;
    fillFromStat(id, st);
    if (!id.regular) return id;

    // Opened without waiting, then checked again on the descriptor: whatever took the
    // file's place between the two looks is never read blocking.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        id.error = systemErrorText(errno);
        return id;
    }
    if (::fstat(fd, &st) != 0) {
        id.error = systemErrorText(errno);
    } else {
        fillFromStat(id, st);
        if (id.regular && id.size <= maxBytes) {
            std::uint64_t hash = kFnvOffset;
            unsigned char buffer[65536];
            for (;;) {
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) {
                    id.error = systemErrorText(errno);
                    break;
                }
                if (n == 0) break;
                for (ssize_t i = 0; i < n; ++i) hash = (hash ^ buffer[i]) * kFnvPrime;
            }
            if (id.error.empty()) id.hash = hash;
        }
    }
    ::close(fd);
    return id;
}

DiskChange diskChange(const FileIdentity& known, const FileIdentity& now) {
    if (!now.exists) return known.exists ? DiskChange::Deleted : DiskChange::None;
    if (!now.regular) return DiskChange::NotRegular;
    if (!now.error.empty()) return DiskChange::Unreadable;
    if (!known.exists || !known.regular) return DiskChange::Changed;
    if (now.size != known.size) return DiskChange::Changed;
    // Same size: the bytes decide (a file too large to hash counts as changed when its time
    // or inode moved).
    if (now.hash != 0 || known.hash != 0) {
        return now.hash == known.hash ? DiskChange::None : DiskChange::Changed;
    }
    return now.modifiedNs == known.modifiedNs && now.inode == known.inode &&
                   now.device == known.device
               ? DiskChange::None
               : DiskChange::Changed;
}

}  // namespace tavmir
