#include "common/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"

namespace tavmir {
namespace {

int openNoFollow(const std::filesystem::path& path, int flags) {
    return ::open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0600);
}

}  // namespace

HeldFile& HeldFile::operator=(HeldFile&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

HeldFile::~HeldFile() {
    if (m_fd >= 0) ::close(m_fd);
}

int HeldFile::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::optional<HeldFile> HeldFile::lockExisting(const std::filesystem::path& path) {
    HeldFile file(openNoFollow(path, O_RDONLY));
    if (!file.held() || ::flock(file.m_fd, LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    return file;
}

tl::expected<HeldFile, std::string> HeldFile::createLocked(const std::filesystem::path& path) {
    HeldFile file(openNoFollow(path, O_RDWR | O_CREAT | O_EXCL));
    if (!file.held() || ::flock(file.m_fd, LOCK_EX | LOCK_NB) != 0)
        return tl::unexpected(systemErrorText(errno));
    return file;
}

bool lockIsHeld(const std::filesystem::path& path) {
    const int fd = openNoFollow(path, O_RDONLY);
    if (fd < 0) return false;
    // A shared lock is refused only while another process holds the exclusive one.
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void removeUnlessHeld(const std::filesystem::path& path) {
    if (const std::optional<HeldFile> file = HeldFile::lockExisting(path)) ::unlink(path.c_str());
}

std::filesystem::path keepAside(const std::filesystem::path& file, std::string_view suffix) {
    const std::filesystem::path kept = file.string() + std::string(suffix);
    return ::rename(file.c_str(), kept.c_str()) == 0 ? kept : file;
}

}  // namespace tavmir
