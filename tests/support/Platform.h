// What the tests ask of the system where POSIX and Windows spell it differently: the process
// number, the environment, FIFOs (POSIX only), and a lock held as another program holds one.
#pragma once

#ifdef _WIN32
#include <process.h>
#include <stdlib.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "common/FileLock.h"

namespace tavmir::test {

#ifdef _WIN32
inline constexpr bool kWindows = true;
inline int processNumber() { return ::_getpid(); }
inline void setEnvironment(const char* name, const std::string& value) {
    ::_putenv_s(name, value.c_str());
}
// Windows has no FIFO in its file system.
inline bool makeFifo(const std::filesystem::path&) { return false; }
#else
inline constexpr bool kWindows = false;
inline int processNumber() { return ::getpid(); }
inline void setEnvironment(const char* name, const std::string& value) {
    ::setenv(name, value.c_str(), 1);
}
inline bool makeFifo(const std::filesystem::path& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}
#endif

// The file a UTF-8 path names, for the standard library's own file functions (which on Windows
// would read a narrow text in another code page).
inline std::filesystem::path systemPath(const std::string& utf8) {
    if constexpr (kWindows) return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    return std::filesystem::path(utf8);
}

// The state file at path (made when missing), held locked as a running program holds it.
inline std::unique_ptr<HeldFile> holdLock(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) {
        if (auto made = HeldFile::createLocked(path))
            return std::make_unique<HeldFile>(std::move(*made));
        return nullptr;
    }
    if (std::optional<HeldFile> held = HeldFile::lockExisting(path))
        return std::make_unique<HeldFile>(std::move(*held));
    return nullptr;
}

}  // namespace tavmir::test
