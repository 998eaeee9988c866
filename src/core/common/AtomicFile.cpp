#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "common/SystemError.h"

namespace tavmir {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned attempt) {
    static std::mt19937 rng{std::random_device{}()};
    std::filesystem::path tmp = target;
    tmp += ".tmp" + std::to_string(rng() % 1000000u) + "-" + std::to_string(attempt);
    return tmp;
}

}  // namespace

WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                Durability durability) {
    std::filesystem::path tmp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tmp = temporaryBeside(target, attempt);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return {WriteStage::Open, systemErrorText(errno)};

    auto fail = [&](WriteStage stage, int err) {
        if (fd >= 0) ::close(fd);
        std::error_code ignored;
        std::filesystem::remove(tmp, ignored);
        return WriteResult{stage, systemErrorText(err)};
    };

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(WriteStage::Write, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (durability == Durability::Flushed && ::fsync(fd) != 0)
        return fail(WriteStage::Write, errno);

    // Keep the permissions of a file being replaced.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);

    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return fail(WriteStage::Close, errno);
    if (::rename(tmp.c_str(), target.c_str()) != 0) return fail(WriteStage::Close, errno);
    return {};
}

}  // namespace tavmir
