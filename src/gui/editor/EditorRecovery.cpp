#include "editor/EditorRecovery.h"

#include <chrono>
#include <iostream>

#include "app/CommandLine.h"
#include "editor/FrmSettingsEdit.h"

namespace tavmir::gui {

EditorRecovery::EditorRecovery(FrmSettingsEdit& editor, RecoveryKeeping& keeping,
                               int delayMilliseconds)
    : QObject(&editor), m_editor(editor), m_keeping(keeping), m_journal(keeping) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &EditorRecovery::writeNow);
    connect(&editor, &FrmSettingsEdit::fileLoaded, this, &EditorRecovery::baseline);
    connect(&editor, &FrmSettingsEdit::fileSaved, this, &EditorRecovery::baseline);
    connect(&editor, &FrmSettingsEdit::valuesChanged, this, &EditorRecovery::changed);
}

void EditorRecovery::baseline() {
    m_timer.stop();
    m_journal.takeBaseline(m_editor.document());
}

void EditorRecovery::changed() {
    // Not restarted by later changes: every change is in the journal within the delay.
    if (!m_timer.isActive()) m_timer.start();
}

void EditorRecovery::writeNow() {
    m_timer.stop();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    m_journal.update(m_editor.document(),
                     std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    // A journal that could not be written (a full disk, a state folder that cannot be made)
    // goes to the log; the editor goes on without it.
    std::string failure = m_keeping.writer.takeFailure();
    if (failure.empty() && m_journal.file().empty()) failure = m_keeping.owner.folderError();
    if (!failure.empty() && failure != m_lastFailure)
        std::cerr << programMessage("unsaved changes cannot be kept for recovery: " + failure)
                  << "\n";
    m_lastFailure = std::move(failure);
}

}  // namespace tavmir::gui
