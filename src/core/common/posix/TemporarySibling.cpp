#include "common/posix/TemporarySibling.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"
#include "common/TemporaryName.h"

namespace tavmir {
namespace {

constexpr int kFreshNameAttempts = 16;

mode_t currentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

}  // namespace

TemporarySibling::~TemporarySibling() { discard(); }

TemporarySibling::Claim TemporarySibling::claim(const std::string& name, mode_t mode,
                                                bool takeOver) {
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    const bool created = fd >= 0;
    if (!created) {
        if (errno != EEXIST) {
            m_error = errno;
            return Claim::Failed;
        }
        if (!takeOver) return Claim::TryAnother;
        // O_NONBLOCK: a FIFO under this name must not make the save wait.
        fd = ::open(name.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) return Claim::TryAnother;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Another save holds it (it may even have taken over the file just made).
        ::close(fd);
        return Claim::TryAnother;
    }
    if (!created) {
        // Only a leftover of this user's own save is taken over: a plain file with one name,
        // still under the name it was opened by.
        struct stat held {};
        struct stat named {};
        const bool ours = ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && held.st_nlink == 1 &&
                          held.st_uid == ::geteuid() && ::lstat(name.c_str(), &named) == 0 &&
                          named.st_dev == held.st_dev && named.st_ino == held.st_ino;
        if (!ours || ::ftruncate(fd, 0) != 0 || ::fchmod(fd, mode & ~currentUmask() & 07777) != 0) {
            ::close(fd);
            return Claim::TryAnother;
        }
    }
    m_fd = fd;
    m_path = name;
    return Claim::Taken;
}

WriteStep TemporarySibling::create(const std::filesystem::path& target, mode_t mode) {
    discard();
    m_error = 0;
    const std::string folder = target.parent_path().string();
    Claim c = claim(keptTemporaryName(folder, target.filename().string()), mode, true);
    for (int attempt = 0; c == Claim::TryAnother && attempt < kFreshNameAttempts; ++attempt) {
        const std::string fresh = temporaryFileName(folder);
        if (fresh.empty()) break;
        c = claim(fresh, mode, false);
    }
    if (c == Claim::Taken) return {};
    return writeFailure(WriteStage::Open, systemErrorText(c == Claim::Failed ? m_error : EEXIST));
}

tl::expected<int, WriteError> TemporarySibling::commitKeepingLock(
    const std::filesystem::path& target) {
    // The lock lives on in a second descriptor while the first one's close reports what it
    // has to report (a delayed write error of a network file system).
    const int lockFd = ::dup(m_fd);
    if (lockFd >= 0) {
        const int closed = ::close(m_fd);
        m_fd = lockFd;
        if (closed != 0) return writeFailure(WriteStage::Close, systemErrorText(errno));
    }
    if (::rename(m_path.c_str(), target.c_str()) != 0)
        return writeFailure(WriteStage::Close, systemErrorText(errno));
    m_path.clear();
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

WriteStep TemporarySibling::commit(const std::filesystem::path& target) {
    auto fd = commitKeepingLock(target);
    if (!fd) return tl::unexpected(std::move(fd.error()));
    ::close(*fd);
    return {};
}

void TemporarySibling::discard() {
    // Removed while still locked, so no other save can take it over in between.
    if (!m_path.empty()) ::unlink(m_path.c_str());
    m_path.clear();
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

}  // namespace tavmir
