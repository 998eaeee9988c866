#include "mainwindow/ProblemsView.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "UiServices.h"
#include "dialogs/FrmProblems.h"
#include "document/ProblemFixes.h"
#include "editor/FrmSettingsEdit.h"

namespace tavmir::gui {

ProblemsView::ProblemsView(QMainWindow& main) : QObject(&main), m_main(main) {
    QStatusBar* bar = main.statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("lProblems"));
    m_status->setTextFormat(Qt::PlainText);
    bar->addWidget(m_status, 1);
}

void ProblemsView::watch(FrmSettingsEdit& editor) {
    connect(&editor, &FrmSettingsEdit::valuesChanged, this, [this, &editor] {
        if (&editor == m_active) showStatus();
    });
    connect(&editor, &FrmSettingsEdit::problemsRequested, this, [this, &editor] {
        // A reload asks from an editor on the screen; a new editor is shown after its open.
        if (editor.isVisible())
            showWindow();
        else
            m_asked = &editor;
    });
}

void ProblemsView::editorShown(FrmSettingsEdit& editor) {
    if (m_asked != &editor) return;
    m_asked = nullptr;
    showWindow();
}

void ProblemsView::follow(FrmSettingsEdit* active) {
    m_active = active;
    showStatus();
    if (m_window) m_window->showEditor(active);
}

void ProblemsView::showWindow() {
    if (!m_window) m_window = new FrmProblems(&m_main);
    m_window->showEditor(m_active);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void ProblemsView::showStatus() {
    const std::optional<std::string> text =
        m_active ? problemsStatusText(m_active->problemCount()) : std::nullopt;
    m_status->setText(text ? fromCore(*text) : QString());
}

}  // namespace tavmir::gui
