// The door's own reading of a file's status (struct stat): what kind of thing it is and the
// stamp the program keeps of a regular file; and the flush of a folder after a rename. Used by
// the files of common/ only.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "common/FileRead.h"

namespace tavmir {

inline NodeKind nodeKindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return NodeKind::Regular;
    if (S_ISDIR(mode)) return NodeKind::Folder;
    if (S_ISFIFO(mode)) return NodeKind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return NodeKind::Device;
    if (S_ISSOCK(mode)) return NodeKind::Socket;
    return NodeKind::Other;
}

inline FileStamp stampOf(const struct stat& st) {
    FileStamp s;
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    return s;
}

// Makes a rename (or a removal) in the folder of `file` itself reach the disk; a folder that
// cannot be flushed changes nothing.
inline void flushFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace tavmir
