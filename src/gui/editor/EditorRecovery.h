// Keeps an editor's unsaved changes in its recovery journal (EditorJournal in core): about a
// second after a change of the values the journal is brought up to date (the write itself runs
// on the journal writer's thread); an open, a reload or a save makes the values the baseline
// and removes the journal, and so does closing the editor.
#pragma once

#include <QObject>
#include <QTimer>

#include <string>

#include "session/EditorJournal.h"

namespace tavmir::gui {

class FrmSettingsEdit;

class EditorRecovery : public QObject {
    Q_OBJECT

  public:
    // The journal is written `delayMilliseconds` after a change, at most.
    EditorRecovery(FrmSettingsEdit& editor, RecoveryKeeping& keeping, int delayMilliseconds);

    // Writes the journal now if a change waits for it.
    void writeNow();

  private:
    void baseline();
    void changed();

    FrmSettingsEdit& m_editor;
    RecoveryKeeping& m_keeping;
    EditorJournal m_journal;
    QTimer m_timer;
    std::string m_lastFailure;  // said once until it changes
};

}  // namespace tavmir::gui
