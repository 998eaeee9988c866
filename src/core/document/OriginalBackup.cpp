#include "document/OriginalBackup.h"

#include "common/FileRead.h"
#include "common/Text.h"

namespace tavmir {
namespace {

// Larger than any settings file the editor opens; a file grown past it is not copied.
constexpr std::uint64_t kMaxBackupBytes = 64u << 20;

}  // namespace

std::string backupPathFor(const std::string& path) { return path + std::string(kBackupSuffix); }

bool hasOriginalToKeep(const std::string& path) { return nodeKindOf(path) == NodeKind::Regular; }

WriteResult keepOriginal(const std::string& path) {
    const FileReadResult original = readFile(path, kMaxBackupBytes);
    if (!original) return writeFailure(WriteStage::Open, original.error().reason());
    return writeFileSafely(backupPathFor(path), original->bytes);
}

std::string backupFailedQuestion(const std::string& path, const std::string& reason) {
    return paragraphs(
        {"The file as it was could not be kept as " + backupPathFor(path), reason, "Save anyway?"});
}

}  // namespace tavmir
