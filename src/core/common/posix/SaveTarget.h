// What a save is about to replace, looked at before anything is written: the file a name
// finally stands for once its symbolic links are followed, and whether that can be written.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string_view>

#include <optional>

#include "common/FileWrite.h"

namespace tavmir {

// The reason given for a target that is a FIFO, device or socket: writing one could block or
// send the bytes elsewhere, and it would not be a file afterwards.
inline constexpr std::string_view kNotRegularTargetError = "Not a regular file";

struct SaveTarget {
    std::filesystem::path path;  // the file to replace or create, links followed
    bool exists = false;         // path names a regular file now (st holds its status)
    struct stat st {};
    std::optional<WriteError> refusal;  // set: the save must not go on (stage Open, the reason)
};

// Follows target through its symbolic links (a relative link is taken from the link's own
// folder; a dangling one gives the file it would create) and checks what is found: a folder,
// a FIFO or device, a file that cannot be opened for writing, a loop of links, or a folder
// that cannot be looked into refuse the save.
SaveTarget resolveSaveTarget(const std::filesystem::path& target);

}  // namespace tavmir
