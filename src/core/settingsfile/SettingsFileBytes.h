// Getting the bytes of a file the reader is asked to read: a regular file only (a FIFO or device
// is never opened for reading, it could block), and at most kMaxSettingsFileSize of it.
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
struct SettingsFileBytes {
    std::string bytes;
    std::string error;  // the system's description; empty on success
};

SettingsFileBytes readSettingsFileBytes(const std::string& path);

// The reason a content above kMaxSettingsFileSize is refused.
std::string tooLargeFileError();

}  // namespace tavmir
