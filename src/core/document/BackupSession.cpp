#include "document/BackupSession.h"

#include "common/SamePath.h"
#include "document/OriginalBackup.h"

namespace tavmir {

namespace {

bool listed(const std::vector<std::string>& paths, const std::string& path) {
    for (const std::string& p : paths)
        if (samePath(p, path)) return true;
    return false;
}

}  // namespace

bool BackupSession::keepsOriginalOf(const std::string& path, bool keepOriginals) const {
    if (!keepOriginals || !hasOriginalToKeep(path)) return false;
    return !listed(m_written, path);
}

void BackupSession::wrote(const std::string& path) {
    if (!listed(m_written, path)) m_written.push_back(path);
}

}  // namespace tavmir
