#include "common/FileSystem.h"

#include <unistd.h>

#include <cerrno>

#include "common/SystemError.h"

namespace tavmir {

std::uint64_t currentProcessId() { return static_cast<std::uint64_t>(::getpid()); }

Status removeFile(const std::filesystem::path& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
    return failedWith(systemErrorText(errno));
}

bool folderIsWritable(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::tm localTimeOf(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

std::filesystem::path runningProgramFile() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self;
}

// Bytes go out as they are written on this system.
void writeStandardStreamsAsBytes() {}

}  // namespace tavmir
