// The one way the program writes a file whole (settings files, reports, tavmir.ini, recent.dat,
// template.sss and its backup, FILE.bak, its own journals), so that a failure never leaves a
// damaged target: the bytes go to a temporary file in the target's folder, are flushed to disk
// (unless the file is a derived one, see Durability), and the temporary file is then renamed
// over the target. On any failure the target is untouched and the temporary file is removed; a
// save killed half-way leaves the old file whole, and the next save of the same file takes
// over its temporary file (TemporarySibling.h).
//
// The file system's own arrangements are kept: a symbolic link is followed and the file it
// points to is replaced (in that file's folder), the link stays; the replacement gets the
// owner, group and permission bits of the file it replaces. A file with several hard links, one
// whose owner a new file could not be given, or one in a folder that takes no new files, is
// rewritten in place instead (InPlaceWrite.h), under a journal that lets the next start finish
// a write that was cut short, so that every name still shows the same file. A target that is a
// folder, a FIFO or device, or a file that cannot be written is refused before anything is
// written (stage Open).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <tl/expected.hpp>

#include "common/FileIdentity.h"

namespace tavmir {

enum class WriteStage {
    Open,     // the target cannot be written, or the temporary file could not be created
    Write,    // writing or flushing failed (the target is as it was)
    Close,    // closing or the final rename failed (the target is as it was)
    Restore,  // an in-place write failed and its old bytes could not be put back either: the
              // target is damaged, and its journal keeps both contents (see reason)
};

struct WriteError {
    WriteStage stage = WriteStage::Write;
    std::string reason;  // the system's description of the failure
    std::string keptIn;  // Restore: the journal that keeps both contents ("" when none could be)
};

// What the write left on disk: the identity of the bytes written, so that whoever wrote them
// knows the file without reading it again (a change another program makes right after is
// then a change, never taken for the program's own).
using WriteResult = tl::expected<FileIdentity, WriteError>;
// A failed write, as WriteResult and WriteStep take it.
inline tl::unexpected<WriteError> writeFailure(WriteStage stage, std::string reason) {
    WriteError e;
    e.stage = stage;
    e.reason = std::move(reason);
    return tl::unexpected(std::move(e));
}

// One step of a write, inside the door (a temporary file made, renamed, a target resolved).
using WriteStep = tl::expected<void, WriteError>;

// How sure a write must be once it returns. Files the user made (settings files, tavmir.ini,
// recent.dat) reach the disk before the rename; derived files that can be made again (the
// validation reports) skip that flush: after a crash such a file may be missing or empty, but
// the rename still never shows a half-written one to a reader of the running system.
enum class Durability { Flushed, Derived };

// Writes bytes as the whole new content of target, as the header says.
WriteResult writeFileSafely(const std::filesystem::path& target, std::string_view bytes,
                            Durability durability = Durability::Flushed);

}  // namespace tavmir
