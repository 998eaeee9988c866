#include "editor/EditorRecovery.h"

#include <chrono>
#include <iostream>

#include "editor/FrmSettingsEdit.h"

namespace tavmir::gui {

EditorRecovery::EditorRecovery(FrmSettingsEdit& editor, RecoveryKeeping& keeping,
                               int delayMilliseconds)
    : QObject(&editor), m_editor(editor), m_journal(keeping) {
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
}

}  // namespace tavmir::gui
