#include "common/FileLock.h"

#include <io.h>

#include "common/SystemError.h"
#include "common/win32/Win32.h"

namespace tavmir {
namespace {

using win32::Handle;

// Opens the state file itself, never a link's target, shared as every open of the door is.
Handle openNoFollow(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    return win32::openPath(win32::widePath(path), access, win32::kShareAll, disposition,
                           FILE_FLAG_OPEN_REPARSE_POINT);
}

}  // namespace

HeldFile& HeldFile::operator=(HeldFile&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::_close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

HeldFile::~HeldFile() {
    if (m_fd >= 0) ::_close(m_fd);
}

int HeldFile::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::optional<HeldFile> HeldFile::lockExisting(const std::filesystem::path& path) {
    Handle h = openNoFollow(path, GENERIC_READ, OPEN_EXISTING);
    if (!h.valid() || !win32::tryLock(h.get(), true)) return std::nullopt;
    const int fd = win32::descriptorOf(h.get(), false);
    if (fd < 0) return std::nullopt;
    h.release();
    return HeldFile(fd);
}

tl::expected<HeldFile, std::string> HeldFile::createLocked(const std::filesystem::path& path) {
    Handle h = openNoFollow(path, GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
    if (!h.valid() || !win32::tryLock(h.get(), true))
        return tl::unexpected(systemErrorText(win32::lastErrorNumber()));
    const int fd = win32::descriptorOf(h.get(), true);
    if (fd < 0) return tl::unexpected(systemErrorText(EMFILE));
    h.release();
    return HeldFile(fd);
}

bool lockIsHeld(const std::filesystem::path& path) {
    const Handle h = openNoFollow(path, GENERIC_READ, OPEN_EXISTING);
    if (!h.valid()) return false;
    // A shared lock is refused only while another process holds the exclusive one.
    return !win32::tryLock(h.get(), false) && ::GetLastError() == ERROR_LOCK_VIOLATION;
}

void removeUnlessHeld(const std::filesystem::path& path) {
    std::optional<HeldFile> file = HeldFile::lockExisting(path);
    if (!file) return;
    // Removed while still held, so that no other program takes it meanwhile.
    ::DeleteFileW(win32::widePath(path).c_str());
}

std::filesystem::path keepAside(const std::filesystem::path& file, std::string_view suffix) {
    const std::filesystem::path kept = win32::textOf(file) + std::string(suffix);
    return ::MoveFileExW(win32::widePath(file).c_str(), win32::widePath(kept).c_str(), 0) ? kept
                                                                                          : file;
}

}  // namespace tavmir
