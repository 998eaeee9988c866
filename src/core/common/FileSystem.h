// The door's small operations that the rest of the program needs without a system header of
// its own: the process's number, removing a file, whether a folder takes new files, the local
// time, the program's own file, and standard output as bytes. Each system has its side (posix/,
// win32/).
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>

#include "common/Status.h"

namespace tavmir {

// The number the system gives the running process.
std::uint64_t currentProcessId();

// Removes the file at path (a link itself, never what it points to; never a folder). Succeeds
// when nothing is there any more, also when nothing was; else the system's reason.
Status removeFile(const std::filesystem::path& path);

// Whether folder is a folder the program may make and change files in.
bool folderIsWritable(const std::filesystem::path& folder);

// The local time of t (the user's time zone).
std::tm localTimeOf(std::time_t t);

// The running program's own file, links followed; empty when the system would not say.
std::filesystem::path runningProgramFile();

// Makes standard output and standard error carry exactly the bytes the program writes: a
// report's own line ends are never translated on the way out.
void writeStandardStreamsAsBytes();

}  // namespace tavmir
