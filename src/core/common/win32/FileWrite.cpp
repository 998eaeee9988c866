#include "common/FileWrite.h"

#include <cerrno>
#include <string_view>

#include "common/InPlaceWrite.h"
#include "common/SystemError.h"
#include "common/win32/TemporaryFile.h"
#include "common/win32/Win32.h"

namespace tavmir {
namespace {

using win32::Handle;
using win32::OpenStatus;

constexpr std::string_view kNotRegularTarget = "Not a regular file";

struct Target {
    std::filesystem::path path;  // the file to replace or create, links followed
    bool exists = false;
    OpenStatus status;
};

tl::unexpected<WriteError> refused(int err) {
    return writeFailure(WriteStage::Open, systemErrorText(err));
}

// The file a save of `target` replaces, links and junctions followed, and whether it may be
// written: a folder, a device, a read-only file, or one another program holds without sharing
// writes, refuse the save before anything is written.
tl::expected<Target, WriteError> resolveTarget(const std::filesystem::path& target) {
    Target t;
    t.path = target;
    if (win32::namesDevice(win32::textOf(target)))
        return writeFailure(WriteStage::Open, std::string(kNotRegularTarget));
    const std::wstring wide = win32::widePath(target);
    if (wide.empty()) return refused(ENOENT);
    Handle look =
        win32::openPath(wide, 0, win32::kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (!look.valid()) {
        const int err = win32::lastErrorNumber();
        if (err == ENOENT) return t;  // nothing there yet: the save creates it
        return refused(err);
    }
    if (!win32::statusOfHandle(look.get(), t.status)) return refused(win32::lastErrorNumber());
    if (t.status.kind == NodeKind::Folder) return refused(EISDIR);
    if (t.status.kind != NodeKind::Regular)
        return writeFailure(WriteStage::Open, std::string(kNotRegularTarget));
    // A read-only file is not replaced behind the back of its attribute.
    if (t.status.readOnly) return refused(EACCES);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        std::wstring final(32768, L'\0');
        const DWORD n =
            ::GetFinalPathNameByHandleW(look.get(), final.data(), static_cast<DWORD>(final.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0 || n >= final.size()) return refused(win32::lastErrorNumber());
        final.resize(n);
        t.path = win32::utf8Of(final);
    }
    look.reset();
    Handle write =
        win32::openPath(win32::widePath(t.path), GENERIC_WRITE, win32::kShareAll, OPEN_EXISTING);
    if (!write.valid()) return refused(win32::lastErrorNumber());
    t.exists = true;
    return t;
}

}  // namespace

WriteResult writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                            Durability durability) {
    if (target.empty()) return refused(ENOENT);
    auto t = resolveTarget(target);
    if (!t) return tl::unexpected(t.error());
    if (t->exists && t->status.links > 1) return rewriteInPlace(t->path, bytes, durability);

    win32::TemporaryFile tmp;
    if (WriteStep made = tmp.create(t->path); !made) {
        // A writable file in a folder that takes no new files can still be saved, in place.
        if (t->exists && tmp.createError() == EACCES)
            return rewriteInPlace(t->path, bytes, durability);
        return tl::unexpected(made.error());
    }
    if (!win32::writeAllAt(tmp.handle(), bytes.data(), bytes.size(), 0))
        return writeFailure(WriteStage::Write, systemErrorText(win32::lastErrorNumber()));
    if (durability == Durability::Flushed && !::FlushFileBuffers(tmp.handle()))
        return writeFailure(WriteStage::Write, systemErrorText(win32::lastErrorNumber()));
    if (WriteStep placed = tmp.commit(t->path, t->exists); !placed)
        return tl::unexpected(placed.error());
    // The written file's status, for its identity.
    OpenStatus st;
    const Handle done = win32::openPath(win32::widePath(t->path), 0, win32::kShareAll,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (!done.valid() || !win32::statusOfHandle(done.get(), st))
        return writeFailure(WriteStage::Close, systemErrorText(win32::lastErrorNumber()));
    return identityOfBytes(st.stamp, bytes);
}

}  // namespace tavmir
