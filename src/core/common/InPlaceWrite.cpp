#include "common/InPlaceWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/SystemError.h"

namespace tavmir {
namespace {

// Writes all of bytes at offset 0; false with errno set on failure.
bool writeAllAt(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::string& out) {
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, chunk, sizeof chunk, static_cast<off_t>(out.size()));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return true;
        out.append(chunk, static_cast<std::size_t>(n));
    }
}

}  // namespace

WriteResult rewriteInPlace(const std::filesystem::path& file, std::string_view bytes,
                           Durability durability) {
    const int fd = ::open(file.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return {WriteStage::Open, systemErrorText(errno)};
    struct stat st {};
    std::string old;
    if (::fstat(fd, &st) != 0 || !readAll(fd, old)) {
        const int err = errno;
        ::close(fd);
        return {WriteStage::Open, systemErrorText(err)};
    }
    const bool flush = durability == Durability::Flushed;
    auto restore = [&](int err) {
        // Back to the old contents; they fit where they were.
        writeAllAt(fd, old);
        ::ftruncate(fd, static_cast<off_t>(old.size()));
        if (flush) ::fsync(fd);
        ::close(fd);
        return WriteResult{WriteStage::Write, systemErrorText(err)};
    };
    if (bytes.size() > old.size()) {
        const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        // A file system that cannot reserve space says so; the write below still tells.
        if (err != 0 && err != EOPNOTSUPP && err != EINVAL) return restore(err);
    }
    if (!writeAllAt(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
        (flush && ::fsync(fd) != 0))
        return restore(errno);
    if (::close(fd) != 0) return {WriteStage::Close, systemErrorText(errno)};
    return {};
}

}  // namespace tavmir
