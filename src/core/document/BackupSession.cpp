#include "document/BackupSession.h"

#include "common/SamePath.h"
#include "document/OriginalBackup.h"

namespace tavmir {

bool BackupSession::keepsOriginalOf(const std::string& path, bool keepOriginals) const {
    if (!keepOriginals || !hasOriginalToKeep(path)) return false;
    return m_written.empty() || !samePath(m_written, path);
}

}  // namespace tavmir
