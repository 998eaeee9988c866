#include "common/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"
#include "common/posix/FileStatus.h"

namespace tavmir {
namespace {

tl::unexpected<ReadError> notRegular(const struct stat& st) {
    auto e = readFailure(ReadFailure::NotRegular, nodeKindOfMode(st.st_mode), 0);
    e.value().stamp = stampOf(st);
    return e;
}

}  // namespace

NodeStatus nodeStatusOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || path.find('\0') != std::string::npos || ::stat(path.c_str(), &st) != 0)
        return {};
    return {nodeKindOfMode(st.st_mode), stampOf(st)};
}

NodeKind nodeKindOf(const std::string& path) { return nodeStatusOf(path).kind; }

FileReadResult readOpenFile(int fd, std::uint64_t maxBytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return readFailure(ReadFailure::ReadFailed, NodeKind::Other, errno);
    const NodeKind kind = nodeKindOfMode(st.st_mode);
    if (kind != NodeKind::Regular) return notRegular(st);
    FileContents out;
    out.stamp = stampOf(st);
    if (out.stamp.size > maxBytes) {
        auto e = readFailure(ReadFailure::TooLarge, kind, 0);
        e.value().stamp = out.stamp;
        return e;
    }
    out.bytes.reserve(static_cast<std::size_t>(out.stamp.size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, chunk, sizeof chunk, static_cast<off_t>(out.bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return readFailure(ReadFailure::ReadFailed, kind, errno);
        if (n == 0) break;
        // A file growing while it is read is refused at the cap rather than filling memory.
        if (out.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            auto e = readFailure(ReadFailure::TooLarge, kind, 0);
            e.value().stamp = out.stamp;
            e.value().stamp.size = out.bytes.size() + static_cast<std::size_t>(n);
            return e;
        }
        out.bytes.append(chunk, static_cast<std::size_t>(n));
    }
    // The status after the read, so the stamp belongs to the bytes (a writer that finished
    // meanwhile moved the time).
    if (::fstat(fd, &st) == 0) out.stamp = stampOf(st);
    out.stamp.size = out.bytes.size();
    return out;
}

FileReadResult readFile(const std::string& path, std::uint64_t maxBytes) {
    if (path.empty() || path.find('\0') != std::string::npos)
        return readFailure(ReadFailure::NotFound, NodeKind::Missing, ENOENT);
    // Looked at before it is opened, so that a device is never opened at all; then checked
    // again on the descriptor, so whatever took its place between the two is never read.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR)
            return readFailure(ReadFailure::NotFound, NodeKind::Missing, err);
        return readFailure(ReadFailure::OpenFailed, NodeKind::Other, err);
    }
    if (nodeKindOfMode(st.st_mode) != NodeKind::Regular) return notRegular(st);
    // Opened without waiting: a FIFO that took the file's place would otherwise block until
    // some writer appears. O_NONBLOCK changes nothing for a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR)
            return readFailure(ReadFailure::NotFound, NodeKind::Missing, err);
        return readFailure(ReadFailure::OpenFailed, NodeKind::Regular, err);
    }
    FileReadResult read = readOpenFile(fd, maxBytes);
    ::close(fd);
    return read;
}

}  // namespace tavmir
