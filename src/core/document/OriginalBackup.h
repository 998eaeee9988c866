// The original kept at the first save: before an editor first writes over an existing file,
// the file as it is on disk then is kept beside it as FILE.bak, so whatever that save drops
// (comments, keys the catalogue does not know, the file's own order) is never lost. Later
// saves of the same editing session leave the backup alone.
#pragma once

#include <string>
#include <string_view>

#include "common/FileWrite.h"

namespace tavmir {

inline constexpr std::string_view kBackupSuffix = ".bak";

// FILE.bak for FILE.
std::string backupPathFor(const std::string& path);

// Whether a first save over path should keep its original: something is there to keep.
bool hasOriginalToKeep(const std::string& path);

// Copies the bytes now at path to its backup, replacing an older backup in one step. A
// failure leaves the older backup (if any) whole and names the stage and reason.
WriteResult keepOriginal(const std::string& path);

// The question asked when the original could not be kept: the save goes on only on Yes.
std::string backupFailedQuestion(const std::string& path, const std::string& reason);

}  // namespace tavmir
