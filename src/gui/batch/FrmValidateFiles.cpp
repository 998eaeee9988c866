#include "batch/FrmValidateFiles.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "BusyCursor.h"
#include "UiServices.h"
#include "common/FileRead.h"
#include "dialogs/LogReport.h"

namespace tavmir::gui {

FrmValidateFiles::FrmValidateFiles(GuiContext& context, QWidget* parent)
    : BatchWindow(BatchMode::Validate, context, parent), m_run(*context.catalogue) {
    setObjectName(QStringLiteral("FrmValidateFiles"));
    setWindowTitle(QStringLiteral("Validate CFG/SET Files"));
    resize(760, 292);
    const RestoredList kept =
        restoreList(BatchMode::Validate, context.batchLists.validation,
                    [](const std::string& p) { return nodeKindOf(p) == NodeKind::Regular; });
    QStringList paths;
    for (const std::string& p : kept.files) paths << fromCore(p);
    addFiles(paths);
}

void FrmValidateFiles::showNewRuns() {
    const auto& runs = log().runs();
    QTextCursor cursor(logView().document());
    cursor.movePosition(QTextCursor::End);
    for (std::size_t i = m_shownRuns; i < runs.size(); ++i) {
        const LogRun& run = runs[i];
        const std::size_t from = i == m_shownRuns ? m_shownChars : 0;
        if (from < run.text.size()) {
            const QTextCharFormat format = logRunFormat(run, logView().palette());
            QString text = fromCore(run.text.substr(from));
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            cursor.insertText(text, format);
        }
    }
    if (!runs.empty()) {
        m_shownRuns = runs.size() - 1;
        m_shownChars = runs.back().text.size();
    }
    logView().verticalScrollBar()->setValue(logView().verticalScrollBar()->maximum());
}

void FrmValidateFiles::startRun() {
    if (running()) return;
    if (list().empty()) {
        showInformation(this, QStringLiteral("Select files to be validated"));
        addFilesButton().setFocus();
        return;
    }
    BusyCursor busy;
    beginRun(static_cast<int>(list().size()));
    logView().clear();
    m_shownRuns = m_shownChars = 0;
    BatchRunHooks hooks = runHooks();
    const auto yield = hooks.yield;
    // The log grows on screen at the pace of a repaint, not of every event round.
    BatchPacer logPacer;
    hooks.yield = [this, yield, &logPacer] {
        if (logPacer.repaintDue()) showNewRuns();
        yield();
    };
    hooks.rowStarted = [this, started = hooks.rowStarted](std::size_t row) {
        if (row == 0) showNewRuns();
        started(row);
    };
    m_run.run(list(), log(), hooks);
    showNewRuns();
    endRun();
}

}  // namespace tavmir::gui
