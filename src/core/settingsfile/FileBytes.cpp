#include "settingsfile/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "common/SystemError.h"

namespace tavmir {

FileBytes readWholeFile(const std::string& path) {
    FileBytes out;
    errno = 0;
    // Opened without waiting: a FIFO would otherwise block until some writer appears. Only a
    // regular file is read; O_NONBLOCK changes nothing for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::FILE* f = fd < 0 ? nullptr : ::fdopen(fd, "rb");
    if (!f) {
        out.error = systemErrorText(errno);
        if (fd >= 0) ::close(fd);
        return out;
    }
    struct stat st {};
    if (::fstat(fileno(f), &st) != 0) {
        out.error = systemErrorText(errno);
    } else if (S_ISDIR(st.st_mode)) {
        out.error = systemErrorText(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        out.error = std::string(kNotRegularFileError);
    } else {
        // Read at most one byte past the limit: enough to know the file is too large even
        // when it grows while it is read.
        std::string buf;
        const std::size_t want = static_cast<std::size_t>(kMaxSettingsFileSize) + 1;
        buf.reserve(std::min<std::size_t>(static_cast<std::size_t>(st.st_size), want));
        char chunk[65536];
        while (buf.size() < want) {
            const std::size_t n =
                std::fread(chunk, 1, std::min(sizeof chunk, want - buf.size()), f);
            buf.append(chunk, n);
            if (n == 0) break;
        }
        if (std::ferror(f)) {
            out.error = systemErrorText(errno != 0 ? errno : EIO);
        } else if (buf.size() > kMaxSettingsFileSize) {
            out.error = "File is too large (more than " +
                        std::to_string(kMaxSettingsFileSize / (1024 * 1024)) +
                        " MB): it cannot be a settings file";
        } else {
            out.bytes = std::move(buf);
        }
    }
    if (std::fclose(f) != 0 && out.error.empty()) out.error = systemErrorText(errno);
    if (!out.error.empty()) out.bytes.clear();
    return out;
}

}  // namespace tavmir
