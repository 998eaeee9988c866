// Reading a settings file whole, through the program's one door to the disk (FileRead.h): only
// a regular file of at most kMaxSettingsFileSize bytes is read, and a FIFO that took the place
// of a file never blocks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/FileRead.h"

namespace tavmir {

// Files larger than this are refused as unreadable: a settings file is a few tens of KB.
inline constexpr std::uintmax_t kMaxSettingsFileSize = 16u * 1024u * 1024u;
// The reason given for a FIFO, device or socket, which is never read (it could block).
inline constexpr std::string_view kNotRegularFileError =
    "Not a regular file: it cannot be a settings file";

// A settings file's whole content and its status as read, or why it could not be had.
FileReadResult readSettingsFileBytes(const std::string& path);

// The reason a log and a report give for a file that could not be read: the system's
// description, or why the program refused it (kNotRegularFileError, tooLargeFileError()).
std::string settingsReadErrorText(const ReadError& error);

// The reason a content above kMaxSettingsFileSize is refused.
std::string tooLargeFileError();

}  // namespace tavmir
