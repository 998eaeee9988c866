// One editor's recovery journal (RecoveryJournal.h) as the editor's values change: the values
// as the file was opened or last saved are the baseline, and while the document is modified
// its journal holds the setting texts that differ from them. The journal goes when the editor
// saves, reloads, closes, or comes back to its baseline (Undo).
//
// The journal's bytes are made here, on the caller's thread; the write itself is queued on the
// JournalWriter of the run (RecoveryStore.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "document/EditorDocument.h"
#include "session/RecoveryStore.h"

namespace tavmir {

// What the editors of one run share to keep journals: the run as their owner, the writer, the
// numbers of the journals.
struct RecoveryKeeping {
    RecoveryOwner owner;
    JournalWriter writer;
    int nextSerial = 1;
};

class EditorJournal {
  public:
    explicit EditorJournal(RecoveryKeeping& keeping);
    EditorJournal(const EditorJournal&) = delete;
    EditorJournal& operator=(const EditorJournal&) = delete;
    // The editor closes: its journal goes.
    ~EditorJournal();

    // The document's values are now those of its file (an open, a reload, a save): they are
    // the baseline, and the journal goes.
    void takeBaseline(const EditorDocument& document);
    // Writes the journal of the document's values now (or removes it when the document is not
    // modified); `nowNs` is the time of the change. Returns the number of changed settings.
    std::size_t update(const EditorDocument& document, std::int64_t nowNs);
    // The bytes update would queue (benchmarks and tests).
    std::string journalBytes(const EditorDocument& document, std::int64_t nowNs) const;

    const std::filesystem::path& file() const { return m_file; }

  private:
    void drop();

    RecoveryKeeping& m_keeping;
    std::filesystem::path m_file;  // empty until a journal is first needed
    bool m_written = false;
    std::unique_ptr<FieldTexts> m_baseline;
    std::string m_path;
    std::string m_fileType;
    FileIdentity m_identity;
    bool m_identityKnown = false;
};

}  // namespace tavmir
