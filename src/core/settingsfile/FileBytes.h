// Reading a settings file whole: only a regular file of at most kMaxSettingsFileSize bytes is
// read, and it is opened without waiting, so a FIFO that took the place of a file never blocks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavmir {

// Files larger than this are refused as unreadable: a settings file is a few tens of KB.
inline constexpr std::uintmax_t kMaxSettingsFileSize = 16u * 1024u * 1024u;
// The reason given for a FIFO, device or socket, which is never read (it could block).
inline constexpr std::string_view kNotRegularFileError =
    "Not a regular file: it cannot be a settings file";

// A file's whole content, or the reason it could not be had.
struct FileBytes {
    std::string bytes;
    std::string error;  // the system's description; empty on success
};

FileBytes readWholeFile(const std::string& path);

// The reason a content above kMaxSettingsFileSize is refused.
std::string tooLargeFileError();

}  // namespace tavmir
