#include "common/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"

namespace tavmir {

namespace {

void fail(FileReadResult& out, FileReadFailure failure, int errnoValue) {
    out.failure = failure;
    out.error = failure == FileReadFailure::NotRegular ? std::string(kNotRegularFileText)
                                                       : systemErrorText(errnoValue);
}

}  // namespace

FileReadResult readRegularFile(const std::string& path, std::uint64_t maxBytes) {
    FileReadResult out;
    if (path.find('\0') != std::string::npos) {
        fail(out, FileReadFailure::System, ENOENT);
        return out;
    }
    // Opened without waiting: a FIFO would otherwise block until some writer appears. Only a
    // regular file is read; O_NONBLOCK changes nothing for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail(out, FileReadFailure::System, errno);
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fail(out, FileReadFailure::System, errno);
    } else if (S_ISDIR(st.st_mode)) {
        fail(out, FileReadFailure::System, EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        fail(out, FileReadFailure::NotRegular, 0);
    } else if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        fail(out, FileReadFailure::TooLarge, EFBIG);
    } else {
        out.bytes.reserve(static_cast<std::size_t>(st.st_size));
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                fail(out, FileReadFailure::System, errno);
                break;
            }
            if (n == 0) break;
            // A file growing while it is read stops at the limit rather than filling memory.
            if (out.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
                fail(out, FileReadFailure::TooLarge, EFBIG);
                break;
            }
            out.bytes.append(chunk, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (!out.ok()) out.bytes.clear();
    return out;
}

}  // namespace tavmir
