#include "common/FileRead.h"

#include <io.h>

#include <cerrno>

#include "common/SystemError.h"
#include "common/win32/Win32.h"

namespace tavmir {
namespace {

using win32::Handle;
using win32::OpenStatus;

bool isMissing(int err) { return err == ENOENT || err == ENOTDIR; }

// Opens what stands at path to look at it (a folder too), following links. A device name is
// refused before anything is opened, so that nothing can wait on it.
Handle openToLook(const std::string& path, DWORD access) {
    return win32::openPath(win32::widePath(path), access, win32::kShareAll, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS);
}

}  // namespace

NodeStatus nodeStatusOf(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return {};
    if (win32::namesDevice(path)) return {NodeKind::Device, {}};
    const Handle h = openToLook(path, 0);
    OpenStatus st;
    if (h.valid() && win32::statusOfHandle(h.get(), st)) return {st.kind, st.stamp};
    // A file that cannot be opened (its permissions refuse it) is still there: its folder
    // says what it is, without its volume and index.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(win32::widePath(path).c_str(), GetFileExInfoStandard, &data))
        return {};
    NodeStatus out;
    out.kind =
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? NodeKind::Folder : NodeKind::Regular;
    out.stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return out;
}

NodeKind nodeKindOf(const std::string& path) { return nodeStatusOf(path).kind; }

FileReadResult readOpenFile(int fd, std::uint64_t maxBytes) {
    return win32::readHandle(win32::handleOf(fd), maxBytes);
}

FileReadResult win32::readHandle(HANDLE h, std::uint64_t maxBytes) {
    OpenStatus st;
    if (h == INVALID_HANDLE_VALUE || !win32::statusOfHandle(h, st))
        return readFailure(ReadFailure::ReadFailed, NodeKind::Other, win32::lastErrorNumber());
    if (st.kind != NodeKind::Regular) {
        auto e = readFailure(ReadFailure::NotRegular, st.kind, 0);
        e.value().stamp = st.stamp;
        return e;
    }
    FileContents out;
    out.stamp = st.stamp;
    if (out.stamp.size > maxBytes) {
        auto e = readFailure(ReadFailure::TooLarge, st.kind, 0);
        e.value().stamp = out.stamp;
        return e;
    }
    out.bytes.reserve(static_cast<std::size_t>(out.stamp.size));
    char chunk[65536];
    for (;;) {
        DWORD n = 0;
        if (!win32::readAt(h, chunk, sizeof chunk, out.bytes.size(), n))
            return readFailure(ReadFailure::ReadFailed, st.kind, win32::lastErrorNumber());
        if (n == 0) break;
        // A file growing while it is read is refused at the cap rather than filling memory.
        if (out.bytes.size() + n > maxBytes) {
            auto e = readFailure(ReadFailure::TooLarge, st.kind, 0);
            e.value().stamp = out.stamp;
            e.value().stamp.size = out.bytes.size() + n;
            return e;
        }
        out.bytes.append(chunk, n);
    }
    // The status after the read, so the stamp belongs to the bytes.
    if (win32::statusOfHandle(h, st)) out.stamp = st.stamp;
    out.stamp.size = out.bytes.size();
    return out;
}

FileReadResult readFile(const std::string& path, std::uint64_t maxBytes) {
    if (path.empty() || path.find('\0') != std::string::npos)
        return readFailure(ReadFailure::NotFound, NodeKind::Missing, ENOENT);
    // A device is never opened at all; a named pipe opened here is looked at, never read.
    if (win32::namesDevice(path)) return readFailure(ReadFailure::NotRegular, NodeKind::Device, 0);
    Handle h = openToLook(path, GENERIC_READ);
    if (!h.valid()) {
        const int err = win32::lastErrorNumber();
        if (isMissing(err)) return readFailure(ReadFailure::NotFound, NodeKind::Missing, err);
        // A folder opens for reading only with backup rights: look at it without them.
        const NodeStatus what = nodeStatusOf(path);
        if (what.kind != NodeKind::Missing && what.kind != NodeKind::Regular) {
            auto e = readFailure(ReadFailure::NotRegular, what.kind, 0);
            e.value().stamp = what.stamp;
            return e;
        }
        return readFailure(ReadFailure::OpenFailed, NodeKind::Regular, err);
    }
    const int fd = win32::descriptorOf(h.get(), false);
    if (fd < 0) return readFailure(ReadFailure::OpenFailed, NodeKind::Regular, EMFILE);
    h.release();
    FileReadResult read = readOpenFile(fd, maxBytes);
    ::_close(fd);
    return read;
}

}  // namespace tavmir
