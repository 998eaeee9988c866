#include "mainwindow/LastSessionRun.h"

#include <algorithm>
#include <iostream>

#include "GuiContext.h"
#include "UiServices.h"
#include "app/CommandLine.h"
#include "common/FileRead.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/MDIFormMain.h"
#include "session/LastSession.h"

namespace tavmir::gui {
namespace {

FrmSettingsEdit* editorOf(const MDIFormMain& window, const std::string& path) {
    for (FrmSettingsEdit* editor : window.editors())
        if (editor->filePath() == path) return editor;
    return nullptr;
}

}  // namespace

LastSession openSession(const MDIFormMain& window) {
    LastSession session;
    const FrmSettingsEdit* active = window.activeEditor();
    for (const FrmSettingsEdit* editor : window.editors()) {
        if (editor->filePath().empty()) continue;
        if (editor == active) session.active = static_cast<int>(session.files.size());
        session.files.push_back(
            SessionFile{editor->filePath(), std::max(1, editor->currentPage())});
    }
    return session;
}

void rememberSession(const LastSession& session, const GuiContext& context) {
    if (context.preferences.reopenFiles == 0) return;
    if (const Status saved = saveLastSession(session); !saved)
        std::cerr << programMessage("the open files could not be remembered: " + saved.error())
                  << "\n";
}

void reopenLastSession(MDIFormMain& window, const GuiContext& context) {
    if (context.preferences.reopenFiles == 0) return;
    const std::optional<LastSession> session = loadLastSession();
    if (!session || session->files.empty()) return;
    std::vector<std::string> paths;
    std::vector<std::string> left;
    for (const SessionFile& f : session->files) {
        if (editorOf(window, f.path) != nullptr) continue;
        if (nodeKindOf(f.path) == NodeKind::Regular)
            paths.push_back(f.path);
        else
            left.push_back(f.path);
    }
    window.openFiles(paths);
    for (const std::string& p : paths)
        if (editorOf(window, p) == nullptr) left.push_back(p);
    for (const SessionFile& f : session->files)
        if (FrmSettingsEdit* editor = editorOf(window, f.path)) editor->showPage(f.page);
    if (session->active >= 0)
        if (FrmSettingsEdit* editor =
                editorOf(window, session->files[static_cast<std::size_t>(session->active)].path))
            window.activateEditor(*editor);
    const std::string message = notReopenedMessage(left);
    if (!message.empty()) showInformation(&window, fromCore(message));
}

}  // namespace tavmir::gui
