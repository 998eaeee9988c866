#include "common/InPlaceWrite.h"

#include <io.h>

#include <cerrno>
#include <optional>

#include "common/FileLock.h"
#include "common/FileRead.h"
#include "common/StateFolder.h"
#include "common/SystemError.h"
#include "common/WriteJournal.h"
#include "common/win32/TemporaryFile.h"
#include "common/win32/Win32.h"

namespace tavmir {
namespace {

namespace fs = std::filesystem;
using win32::Handle;
using win32::OpenStatus;

// A journal on disk while its write runs, held open and locked by this process, so that no
// start of another program takes it for a cut write.
class JournalHold {
  public:
    JournalHold() = default;
    JournalHold(const JournalHold&) = delete;
    JournalHold& operator=(const JournalHold&) = delete;
    ~JournalHold() { keep(); }

    bool begin(const WriteJournal& journal) {
        const auto folder = stateSubfolder(kWriteJournalSubfolder);
        if (!folder) return false;
        m_path = *folder / writeJournalName(journal.device, journal.inode);
        win32::TemporaryFile tmp;
        if (!tmp.create(m_path)) return false;
        const std::string bytes = writeJournalBytes(journal);
        if (!win32::writeAllAt(tmp.handle(), bytes.data(), bytes.size(), 0) ||
            !::FlushFileBuffers(tmp.handle()))
            return false;
        auto held = tmp.commitKeepingLock(m_path);
        if (!held) return false;
        m_fd = win32::descriptorOf(held->get(), true);
        if (m_fd < 0) return false;
        held->release();  // the descriptor owns it now
        return true;
    }
    // Takes over a journal left by a cut write, open and locked on the descriptor fd.
    void adopt(int fd, fs::path path) {
        keep();
        m_fd = fd;
        m_path = std::move(path);
    }
    bool held() const { return m_fd >= 0; }
    const fs::path& path() const { return m_path; }

    // The write is done: the journal goes (unless another save has put its own in its place).
    void finish() {
        if (!held()) return;
        OpenStatus mine;
        OpenStatus named;
        const HANDLE h = win32::handleOf(m_fd);
        const Handle now = win32::openPath(win32::widePath(m_path), 0, win32::kShareAll,
                                           OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT);
        if (now.valid() && win32::statusOfHandle(h, mine) &&
            win32::statusOfHandle(now.get(), named) && mine.stamp.device == named.stamp.device &&
            mine.stamp.inode == named.stamp.inode)
            ::DeleteFileW(win32::widePath(m_path).c_str());
        keep();
    }
    void keep() {
        if (m_fd >= 0) ::_close(m_fd);
        m_fd = -1;
    }

  private:
    fs::path m_path;
    int m_fd = -1;  // a C runtime descriptor over the locked handle
};

WriteError restoreFailure(int err, const JournalHold& journal) {
    WriteError e{WriteStage::Restore, systemErrorText(err), {}};
    if (journal.held()) e.keptIn = win32::textOf(journal.path());
    return e;
}

Handle openForRewrite(const fs::path& file) {
    return win32::openPath(win32::widePath(file), GENERIC_READ | GENERIC_WRITE, win32::kShareAll,
                           OPEN_EXISTING);
}

bool writeWhole(HANDLE h, std::string_view bytes, bool flush) {
    return win32::writeAllAt(h, bytes.data(), bytes.size(), 0) &&
           win32::truncateAt(h, bytes.size()) && (!flush || ::FlushFileBuffers(h));
}

// Writes bytes over the file open on h, whose contents are `old`, as the POSIX side does: on
// a failure the old contents go back, and the journal stays unless they are the original.
WriteResult overwrite(Handle& file, std::string_view old, std::string_view bytes, bool flush,
                      JournalHold& journal, bool oldIsOriginal) {
    const HANDLE h = file.get();
    const auto fail = [&](int err) -> WriteResult {
        if (!writeWhole(h, old, flush)) {
            const FileReadResult now = win32::readHandle(h, kInPlaceSizeLimit);
            if (!now || now->bytes != old) return tl::unexpected(restoreFailure(err, journal));
        }
        if (oldIsOriginal) journal.finish();
        return writeFailure(WriteStage::Write, systemErrorText(err));
    };
    if (bytes.size() > old.size() && !win32::truncateAt(h, bytes.size()))
        return fail(win32::lastErrorNumber());
    if (!writeWhole(h, bytes, flush)) return fail(win32::lastErrorNumber());
    OpenStatus st;
    const bool stamped = win32::statusOfHandle(h, st);
    journal.finish();
    if (!file.reset() || !stamped)
        return writeFailure(WriteStage::Close, systemErrorText(win32::lastErrorNumber()));
    return identityOfBytes(st.stamp, bytes);
}

}  // namespace

WriteResult rewriteInPlace(const fs::path& file, std::string_view bytes, Durability durability) {
    Handle target = openForRewrite(file);
    if (!target.valid())
        return writeFailure(WriteStage::Open, systemErrorText(win32::lastErrorNumber()));
    FileReadResult read = win32::readHandle(target.get(), kInPlaceSizeLimit);
    if (!read) return writeFailure(WriteStage::Open, read.error().reason());
    const bool flush = durability == Durability::Flushed;
    JournalHold journal;
    if (flush) {
        WriteJournal j;
        j.target = win32::utf8Of(win32::widePath(file));
        j.device = read->stamp.device;
        j.inode = read->stamp.inode;
        j.oldBytes = read->bytes;
        j.newBytes = std::string(bytes);
        journal.begin(j);
    }
    return overwrite(target, read->bytes, bytes, flush, journal, true);
}

namespace {

std::string keepJournalAside(const fs::path& journal) {
    return win32::textOf(keepAside(journal, kKeptJournalSuffix));
}

}  // namespace

std::optional<CutWrite> completeCutWrite(const fs::path& path) {
    std::optional<HeldFile> held = HeldFile::lockExisting(path);
    if (!held) return std::nullopt;
    CutWrite cut;
    const FileReadResult read = held->read(2 * kInPlaceSizeLimit + 65536);
    const std::optional<WriteJournal> journal =
        read ? parseWriteJournal(read->bytes) : std::nullopt;
    if (!journal) {
        held.reset();
        cut.outcome = CutWriteOutcome::Damaged;
        cut.journal = keepJournalAside(path);
        return cut;
    }
    cut.target = journal->target;
    Handle target = openForRewrite(journal->target);
    const FileReadResult now = target.valid() ? win32::readHandle(target.get(), kInPlaceSizeLimit)
                                              : FileReadResult(tl::unexpected(ReadError{}));
    if (now && now->stamp.device == journal->device && now->stamp.inode == journal->inode) {
        if (now->bytes == journal->newBytes) {
            held.reset();
            ::DeleteFileW(win32::widePath(path).c_str());
            return std::nullopt;
        }
        if (isStateOfWrite(*journal, now->bytes)) {
            JournalHold hold;
            hold.adopt(held->release(), path);
            const WriteResult done =
                overwrite(target, now->bytes, journal->newBytes, true, hold, false);
            if (done) return cut;
            cut.outcome = CutWriteOutcome::Failed;
            cut.journal = win32::textOf(path);
            cut.reason = done.error().reason;
            return cut;
        }
    }
    held.reset();
    cut.outcome = CutWriteOutcome::KeptAside;
    cut.journal = keepJournalAside(path);
    return cut;
}

}  // namespace tavmir
