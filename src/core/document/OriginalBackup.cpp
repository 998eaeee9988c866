#include "document/OriginalBackup.h"

#include <sys/stat.h>

#include "common/FileRead.h"
#include "common/Text.h"

namespace tavmir {
namespace {

// Larger than any settings file the editor opens; a file grown past it is not copied.
constexpr std::uint64_t kMaxBackupBytes = 64u << 20;

}  // namespace

std::string backupPathFor(const std::string& path) { return path + std::string(kBackupSuffix); }

bool hasOriginalToKeep(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

WriteResult keepOriginal(const std::string& path) {
    const FileReadResult original = readRegularFile(path, kMaxBackupBytes);
    if (!original.ok()) return {WriteStage::Open, original.error};
    return writeFileAtomically(backupPathFor(path), original.bytes);
}

std::string backupFailedQuestion(const std::string& path, const std::string& reason) {
    std::string text = "The file as it was could not be kept as ";
    text += backupPathFor(path);
    text += kCrLf;
    text += kCrLf;
    text += reason;
    text += kCrLf;
    text += kCrLf;
    text += "Save anyway?";
    return text;
}

}  // namespace tavmir
