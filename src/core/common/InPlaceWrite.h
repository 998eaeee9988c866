// Rewriting a file in place, for the files a rename would split or give away: a file with
// several hard links (every name is to show the new contents, as the user who linked them
// expects), a file whose owner or group a new file could not be given, and a writable file in
// a folder where no new file can be made. The file keeps its inode, links, owner, group and
// permissions.
//
// Safe against failures: the space the new contents need is reserved before the first byte is
// overwritten, and if writing, truncating or flushing fails anyway, the old contents (read
// first) are written back, so the file is as it was and the failure is reported. Not atomic
// against a crash of the machine or a kill in the middle of the overwrite: that is what the
// links cost, and why only such files are rewritten this way.
#pragma once

#include <filesystem>
#include <string_view>

#include "common/AtomicFile.h"

namespace tavmir {

WriteResult rewriteInPlace(const std::filesystem::path& file, std::string_view bytes,
                           Durability durability);

}  // namespace tavmir
