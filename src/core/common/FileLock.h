// Files held under an advisory lock (flock), for the program's own state files: the journals of
// cut writes and of unsaved work, their temporary files, and the owner file each running
// program holds. A lock goes with the process that holds it, however that ends, so a file that
// can be locked now belongs to no running program. Files are opened without following a link
// and without waiting (a FIFO under the name never blocks), and the lock is tried, never
// waited for.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include <tl/expected.hpp>

#include "common/FileRead.h"

namespace tavmir {

class HeldFile {
  public:
    HeldFile() = default;
    HeldFile(HeldFile&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    HeldFile& operator=(HeldFile&& other) noexcept;
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    // Closes the file, which lets go of the lock.
    ~HeldFile();

    // The existing file at path, open for reading and locked exclusively; nothing when it is
    // not there, cannot be opened, or another process holds a lock on it.
    static std::optional<HeldFile> lockExisting(const std::filesystem::path& path);
    // A new file at path (there must be none yet; mode 0600), locked exclusively; the system's
    // reason when it cannot be made or locked.
    static tl::expected<HeldFile, std::string> createLocked(const std::filesystem::path& path);

    bool held() const { return m_fd >= 0; }
    // The whole file, at most maxBytes of it, read through the descriptor that holds the lock.
    FileReadResult read(std::uint64_t maxBytes) const { return readOpenFile(m_fd, maxBytes); }
    // Hands the open, locked descriptor over to the caller, who closes it.
    int release();

  private:
    explicit HeldFile(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// Whether a running process holds a lock on the file at path (false also when there is none).
bool lockIsHeld(const std::filesystem::path& path);

// Removes the file at path unless a running process holds a lock on it: what is left of a
// process that ended.
void removeUnlessHeld(const std::filesystem::path& path);

// Renames a state file that cannot be used beside itself, with `suffix` added, so that it is
// kept and never read again; its new name, or the old one when even the rename failed.
std::filesystem::path keepAside(const std::filesystem::path& file, std::string_view suffix);

}  // namespace tavmir
