// Writing a whole file so that a failure never leaves a damaged target: the bytes go to a
// temporary file in the target's folder, are flushed to disk (unless the file is a derived one,
// see Durability), and the temporary file is then renamed over the target. On any failure the
// target is untouched and the temporary file is removed; a save killed half-way leaves the old
// file whole, and the next save of the same file takes over its temporary file.
//
// The file system's own arrangements are kept: a symbolic link is followed and the file it
// points to is replaced (in that file's folder), the link stays; the replacement gets the
// owner, group and permission bits of the file it replaces; a file with several hard links, one
// whose owner a new file could not be given, or one in a folder that takes no new files, is
// rewritten in place (InPlaceWrite.h), so that every name still shows the same file. A target that
// is a folder, a FIFO or device, or a file that cannot be written is refused before anything is
// written (stage Open).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavmir {

enum class WriteStage {
    None,   // success
    Open,   // the target cannot be written, or the temporary file could not be created
    Write,  // writing or flushing failed
    Close,  // closing or the final rename failed
};

struct WriteResult {
    WriteStage stage = WriteStage::None;
    std::string reason;  // the system's description of the failure

    bool ok() const { return stage == WriteStage::None; }
};

// How sure a write must be once it returns. Files the user made (settings files, tavmir.ini,
// recent.dat) reach the disk before the rename; derived files that can be made again (the
// validation reports) skip that flush: after a crash such a file may be missing or empty, but
// the rename still never shows a half-written one to a reader of the running system.
enum class Durability { Flushed, Derived };

WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                Durability durability = Durability::Flushed);

}  // namespace tavmir
