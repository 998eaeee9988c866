// Reading a whole regular file into memory, safely: opened without waiting (a FIFO put in its
// place never blocks), refused when it is not a regular file or larger than a limit, so a
// device or a huge file is never read.
#pragma once

#include <cstdint>
#include <string>

namespace tavmir {

enum class FileReadFailure {
    None,
    System,      // the system refused (no such file, permissions, a folder, a read error)
    NotRegular,  // a FIFO, device or socket, never read
    TooLarge,    // more than the limit, or grew past it while read
};

struct FileReadResult {
    std::string bytes;
    FileReadFailure failure = FileReadFailure::None;
    std::string error;  // "" when read; else the system's description or why it was refused

    bool ok() const { return failure == FileReadFailure::None; }
};

// The reason given for a FIFO, device or socket.
inline constexpr const char* kNotRegularFileText = "Not a regular file";

FileReadResult readRegularFile(const std::string& path, std::uint64_t maxBytes);

}  // namespace tavmir
