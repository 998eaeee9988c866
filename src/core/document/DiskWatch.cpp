#include "document/DiskWatch.h"

#include "common/Text.h"

namespace tavmir {
namespace {

// Whether two looks at a file saw the same thing, for telling a change only once.
bool sameState(const FileIdentity& a, const FileIdentity& b) {
    if (a.exists != b.exists) return false;
    if (!a.exists) return true;
    if (a.regular != b.regular) return false;
    // A folder put in the place of a FIFO may get the FIFO's inode: the time tells them apart.
    if (!a.regular)
        return a.device == b.device && a.inode == b.inode && a.modifiedNs == b.modifiedNs;
    if (a.error.empty() != b.error.empty()) return false;
    return diskChange(a, b) == DiskChange::None;
}

constexpr const char* kValuesKept = "The editor keeps its values.";
constexpr const char* kValuesKeptForSave =
    "The editor keeps its values; Save writes the file again.";

}  // namespace

void DiskWatch::remember(const std::string& path) { remember(identifyFile(path)); }

void DiskWatch::remember(const FileIdentity& identity) {
    m_known = identity;
    m_knownSet = true;
    m_told.reset();
}

void DiskWatch::forget() {
    m_known = {};
    m_knownSet = false;
    m_told.reset();
}

DiskNotice DiskWatch::check(const std::string& path, bool modified) {
    if (!m_knownSet) return {};
    const FileIdentity now = identifyFile(path);
    const DiskChange change = diskChange(m_known, now);
    if (change == DiskChange::None) {
        // Back to the file the editor knows: a later change is a new one.
        m_told.reset();
        return {};
    }
    if (m_told && sameState(*m_told, now)) return {};
    m_told = now;
    switch (change) {
        case DiskChange::None:
            break;
        case DiskChange::Changed:
            return {DiskNoticeKind::Reload,
                    modified ? path +
                                   " changed on disk, and this editor has changes that are not "
                                   "saved. Reload and lose them?"
                             : path + " changed on disk. Reload it?"};
        case DiskChange::Deleted:
            return {DiskNoticeKind::Deleted,
                    paragraphs({path + " was deleted or moved away on disk.", kValuesKeptForSave})};
        case DiskChange::NotRegular:
            return {DiskNoticeKind::NotRegular,
                    paragraphs({path + " is no longer a file on disk: a folder or another kind of "
                                       "file stands in its place, and it was not read.",
                                kValuesKept})};
        case DiskChange::Unreadable:
            return {DiskNoticeKind::Unreadable,
                    paragraphs({path + " changed on disk and cannot be read now:", now.error,
                                kValuesKept})};
    }
    return {};
}

std::optional<std::string> DiskWatch::overwriteQuestion(const std::string& path) const {
    if (!m_knownSet) return std::nullopt;
    switch (diskChange(m_known, identifyFile(path))) {
        case DiskChange::None:
        case DiskChange::Deleted:
            return std::nullopt;
        case DiskChange::Changed:
        case DiskChange::NotRegular:
        case DiskChange::Unreadable:
            break;
    }
    return path + " changed on disk since it was opened. Overwrite it?";
}

}  // namespace tavmir
