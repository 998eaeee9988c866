#include "session/EditorJournal.h"

namespace tavmir {

EditorJournal::EditorJournal(RecoveryKeeping& keeping) : m_keeping(keeping) {}

EditorJournal::~EditorJournal() { drop(); }

void EditorJournal::takeBaseline(const EditorDocument& document) {
    if (!m_baseline) m_baseline = std::make_unique<FieldTexts>();
    for (int i = 1; i <= kSettingCount; ++i) (*m_baseline)[i] = document.text(i);
    m_path = document.filePath();
    m_fileType = document.fileType();
    m_identityKnown = document.diskWatch().known() && document.diskWatch().identity().exists;
    m_identity = document.diskWatch().identity();
    drop();
}

std::string EditorJournal::journalBytes(const EditorDocument& document, std::int64_t nowNs) const {
    RecoveryJournal j;
    j.owner = m_keeping.owner.token();
    j.path = m_path.empty() ? document.filePath() : m_path;
    j.fileType = document.fileType();
    j.fileRead = m_identityKnown;
    j.size = m_identity.size;
    j.modifiedNs = m_identity.modifiedNs;
    j.hash = m_identity.hash;
    j.changedNs = nowNs;
    j.opened.reserve(kSettingCount);
    for (int i = 1; i <= kSettingCount; ++i) {
        const std::string& before = m_baseline ? (*m_baseline)[i] : std::string();
        j.opened.push_back(FieldWrite{i, before});
        if (document.text(i) != before) j.changes.push_back(FieldWrite{i, document.text(i)});
    }
    return recoveryJournalBytes(j);
}

std::size_t EditorJournal::update(const EditorDocument& document, std::int64_t nowNs) {
    if (!document.modified() || !m_baseline) {
        drop();
        return 0;
    }
    std::size_t changed = 0;
    for (int i = 1; i <= kSettingCount; ++i)
        if (document.text(i) != (*m_baseline)[i]) ++changed;
    if (m_file.empty()) m_file = m_keeping.owner.journalPath(m_keeping.nextSerial++);
    if (m_file.empty()) return changed;  // no recovery folder: nothing can be kept
    m_keeping.writer.write(m_file, journalBytes(document, nowNs));
    m_written = true;
    return changed;
}

void EditorJournal::drop() {
    if (!m_written) return;
    m_keeping.writer.remove(m_file);
    m_written = false;
}

}  // namespace tavmir
