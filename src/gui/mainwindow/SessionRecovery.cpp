#include "mainwindow/SessionRecovery.h"

#include <QDateTime>
#include <QLocale>

#include <iostream>

#include "GuiContext.h"
#include "UiServices.h"
#include "dialogs/FrmRecoverChanges.h"
#include "editor/EditorRecovery.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/MDIFormMain.h"
#include "session/EditorJournal.h"
#include "settingsfile/SettingsFileData.h"

namespace tavmir::gui {
namespace {

constexpr std::string_view kRecoverStep = "Recover Unsaved Changes";

QString lastChangeText(std::int64_t ns) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(ns / 1000000);
    // The user's locale (the default one, which tests may set).
    return QLocale().toString(when, QLocale::ShortFormat);
}

FrmSettingsEdit* editorOf(MDIFormMain& window, const std::string& path) {
    for (FrmSettingsEdit* editor : window.editors())
        if (editor->filePath() == path) return editor;
    return nullptr;
}

// Applies a journal's values to the editor its file was opened in; true when the editor holds
// them.
bool applyJournal(MDIFormMain& window, GuiContext& context, const LeftJournal& left) {
    const RecoveryJournal& journal = left.journal;
    FrmSettingsEdit* editor = editorOf(window, journal.path);
    if (editor == nullptr) return false;
    EditorDocument& document = editor->document();
    document.applyWrites(std::string(kRecoverStep), StepKind::Bulk, journal.changes);
    if (left.since == FileSinceOpened::Gone) document.markFileGone();
    editor->refreshFromDocument();
    // The editor's own journal holds the values before the old one goes.
    if (auto* recovery = editor->findChild<EditorRecovery*>()) recovery->writeNow();
    context.recovery->writer.flush();
    return true;
}

}  // namespace

void recoverUnsavedChanges(MDIFormMain& window, GuiContext& context) {
    context.recovery = std::make_shared<RecoveryKeeping>();
    LeftJournals left = findLeftJournals(context.recovery->owner.token());
    const std::string setAside = setAsideMessage(left.setAside);
    if (!setAside.empty()) showInformation(&window, fromCore(setAside));
    if (left.journals.empty()) return;

    std::vector<RecoverRow> rows;
    for (const LeftJournal& l : left.journals)
        rows.push_back(RecoverRow{QString::fromLocal8Bit(l.journal.path.c_str()),
                                  static_cast<int>(l.journal.changes.size()),
                                  lastChangeText(l.journal.changedNs),
                                  fromCore(std::string(sinceOpenedWarning(l.since)))});
    const std::vector<RecoverAnswer> answers = askToRecover(&window, rows);
    // The files recovered open as one run of the Open command (Continue All offered); a file
    // gone from disk opens from its journal.
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < left.journals.size(); ++i) {
        const LeftJournal& l = left.journals[i];
        if (answers[i] == RecoverAnswer::Discard) removeJournal(l.file);
        if (answers[i] != RecoverAnswer::Recover) continue;
        paths.push_back(l.journal.path);
        if (l.since == FileSinceOpened::Gone)
            context.recoveredFiles[l.journal.path] = [&l](SettingsFileData& record) {
                fillFromJournal(l.journal, record);
            };
    }
    if (paths.empty()) return;
    window.openFiles(paths);
    context.recoveredFiles.clear();
    for (std::size_t i = 0; i < left.journals.size(); ++i)
        if (answers[i] == RecoverAnswer::Recover && applyJournal(window, context, left.journals[i]))
            removeJournal(left.journals[i].file);
}

}  // namespace tavmir::gui
