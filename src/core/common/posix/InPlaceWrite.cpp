#include "common/InPlaceWrite.h"

#include <sys/file.h>

#include <cerrno>
#include <optional>

#include "common/FileLock.h"
#include "common/FileRead.h"
#include "common/StateFolder.h"
#include "common/SystemError.h"
#include "common/WriteJournal.h"
#include "common/posix/FileStatus.h"
#include "common/posix/TemporarySibling.h"

namespace tavmir {
namespace {

namespace fs = std::filesystem;

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

// A journal on disk while its write runs: written whole and flushed before the file is
// touched, locked as long as this process holds it, so that no start of another process takes
// it for a cut write.
class JournalHold {
  public:
    JournalHold() = default;
    JournalHold(const JournalHold&) = delete;
    JournalHold& operator=(const JournalHold&) = delete;
    ~JournalHold() { keep(); }

    // Writes the journal of `journal`; false (and nothing kept) when it cannot be.
    bool begin(const WriteJournal& journal) {
        const auto folder = stateSubfolder(kWriteJournalSubfolder);
        if (!folder) return false;
        m_path = *folder / writeJournalName(journal.device, journal.inode);
        TemporarySibling tmp;
        if (!tmp.create(m_path, 0600)) return false;
        const std::string bytes = writeJournalBytes(journal);
        if (!writeAllAt(tmp.fd(), bytes) || ::fsync(tmp.fd()) != 0) return false;
        auto fd = tmp.commitKeepingLock(m_path);
        if (!fd) return false;
        m_fd = *fd;
        flushFolderOf(m_path);
        return true;
    }
    // Takes over a journal left by a cut write, open and locked on fd.
    void adopt(int fd, fs::path path) {
        keep();
        m_fd = fd;
        m_path = std::move(path);
    }
    bool held() const { return m_fd >= 0; }
    const fs::path& path() const { return m_path; }

    // The write is done: the journal goes (unless another save has put its own in its place).
    void finish() {
        if (m_fd < 0) return;
        struct stat mine {};
        struct stat named {};
        if (::fstat(m_fd, &mine) == 0 && ::lstat(m_path.c_str(), &named) == 0 &&
            mine.st_dev == named.st_dev && mine.st_ino == named.st_ino)
            ::unlink(m_path.c_str());
        keep();
    }
    // The journal stays on disk, for the next start.
    void keep() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

  private:
    fs::path m_path;
    int m_fd = -1;
};

// The write failed with err, and putting the old bytes back failed too.
WriteError restoreFailure(int err, const JournalHold& journal) {
    WriteError e{WriteStage::Restore, systemErrorText(err), {}};
    if (journal.held()) e.keptIn = journal.path().string();
    return e;
}

}  // namespace

namespace {

// Opens a file to be rewritten in place, without following a last link (the target is
// resolved already) and without waiting for a FIFO.
int openForRewrite(const fs::path& file) {
    return ::open(file.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

// Writes bytes over the file open on fd, whose contents are `old`, under `journal` (held or
// not). On a failure the old contents are written back; the journal goes then only when they
// are the file as it was before the write the journal records (`oldIsOriginal`), else it stays
// for the next start. Closes fd.
WriteResult overwrite(FdCloser& file, std::string_view old, std::string_view bytes, bool flush,
                      JournalHold& journal, bool oldIsOriginal) {
    const int fd = file.fd;
    const auto fail = [&](int err) -> WriteResult {
        // Back to the old contents; they fit where they were. Where even that fails, the file
        // is read back: it may still hold its old bytes (a write refused before it changed
        // anything), and only a file that does not is said to be damaged.
        if (!writeAllAt(fd, old) || ::ftruncate(fd, static_cast<off_t>(old.size())) != 0 ||
            (flush && ::fsync(fd) != 0)) {
            const FileReadResult now = readOpenFile(fd, kInPlaceSizeLimit);
            if (!now || now->bytes != old) return tl::unexpected(restoreFailure(err, journal));
        }
        if (oldIsOriginal) journal.finish();
        return writeFailure(WriteStage::Write, systemErrorText(err));
    };
    if (bytes.size() > old.size()) {
        const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        // A file system that cannot reserve space says so; the write below still tells.
        if (err != 0 && err != EOPNOTSUPP && err != EINVAL) return fail(err);
    }
    if (!writeAllAt(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
        (flush && ::fsync(fd) != 0))
        return fail(errno);
    struct stat st {};
    const bool stamped = ::fstat(fd, &st) == 0;
    journal.finish();
    file.fd = -1;
    if (::close(fd) != 0 || !stamped)
        return writeFailure(WriteStage::Close, systemErrorText(errno));
    return identityOfBytes(stampOf(st), bytes);
}

}  // namespace

WriteResult rewriteInPlace(const fs::path& file, std::string_view bytes, Durability durability) {
    FdCloser target{openForRewrite(file)};
    if (target.fd < 0) return writeFailure(WriteStage::Open, systemErrorText(errno));
    FileReadResult read = readOpenFile(target.fd, kInPlaceSizeLimit);
    if (!read) return writeFailure(WriteStage::Open, read.error().reason());
    const bool flush = durability == Durability::Flushed;
    JournalHold journal;
    if (flush) {
        WriteJournal j;
        j.target = fs::absolute(file).lexically_normal().string();
        j.device = read->stamp.device;
        j.inode = read->stamp.inode;
        j.oldBytes = read->bytes;
        j.newBytes = std::string(bytes);
        journal.begin(j);
    }
    return overwrite(target, read->bytes, bytes, flush, journal, true);
}

namespace {

// A journal not replayed is renamed beside itself and kept; its new name, or the old one when
// even the rename failed.
std::string keepJournalAside(const fs::path& journal) {
    return keepAside(journal, kKeptJournalSuffix).string();
}

// One journal left behind: finished, kept aside, or (already done) removed.
}  // namespace

std::optional<CutWrite> completeCutWrite(const fs::path& path) {
    // Gone meanwhile, no file of ours, or held by another process: a write running now.
    std::optional<HeldFile> held = HeldFile::lockExisting(path);
    if (!held) return std::nullopt;
    CutWrite cut;
    const FileReadResult read = held->read(2 * kInPlaceSizeLimit + 65536);
    const std::optional<WriteJournal> journal =
        read ? parseWriteJournal(read->bytes) : std::nullopt;
    if (!journal) {
        cut.outcome = CutWriteOutcome::Damaged;
        cut.journal = keepJournalAside(path);
        return cut;
    }
    cut.target = journal->target;
    FdCloser target{openForRewrite(journal->target)};
    const FileReadResult now = target.fd >= 0 ? readOpenFile(target.fd, kInPlaceSizeLimit)
                                              : FileReadResult(tl::unexpected(ReadError{}));
    if (now && now->stamp.device == journal->device && now->stamp.inode == journal->inode) {
        if (now->bytes == journal->newBytes) {
            ::unlink(path.c_str());
            return std::nullopt;
        }
        if (isStateOfWrite(*journal, now->bytes)) {
            JournalHold hold;
            hold.adopt(held->release(), path);
            const WriteResult done =
                overwrite(target, now->bytes, journal->newBytes, true, hold, false);
            if (done) return cut;
            cut.outcome = CutWriteOutcome::Failed;
            cut.journal = path.string();
            cut.reason = done.error().reason;
            return cut;
        }
    }
    cut.outcome = CutWriteOutcome::KeptAside;
    cut.journal = keepJournalAside(path);
    return cut;
}

}  // namespace tavmir
