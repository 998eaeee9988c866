#include "common/FileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"

namespace tavmir {

FileReadResult readRegularFile(const std::string& path, std::uint64_t maxBytes) {
    FileReadResult out;
    if (path.find('\0') != std::string::npos) {
        out.error = systemErrorText(ENOENT);
        return out;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.error = systemErrorText(errno);
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        out.error = systemErrorText(errno);
    } else if (!S_ISREG(st.st_mode)) {
        out.error = S_ISDIR(st.st_mode) ? systemErrorText(EISDIR) : kNotRegularFileText;
    } else if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        out.error = systemErrorText(EFBIG);
    } else {
        out.bytes.reserve(static_cast<std::size_t>(st.st_size));
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                out.error = systemErrorText(errno);
                break;
            }
            if (n == 0) break;
            // A file growing while it is read stops at the limit rather than filling memory.
            if (out.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
                out.error = systemErrorText(EFBIG);
                break;
            }
            out.bytes.append(chunk, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (!out.error.empty()) out.bytes.clear();
    return out;
}

}  // namespace tavmir
