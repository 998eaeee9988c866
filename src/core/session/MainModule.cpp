#include "session/MainModule.h"

#include "session/MainTexts.h"

namespace tavmir {

MainModule::MainModule(const std::filesystem::path& preferencesFolder)
    : m_recent(preferencesFolder.empty() ? std::filesystem::path()
                                         : preferencesFolder / std::string(kRecentFileName)) {}

void MainModule::openCommand(MainWindowUi& ui) {
    if (m_registry.openEditorCount() >= kMaxEditors) {
        ui.showMessage(MessageIcon::Information, kMaxEditorsBeforeOpen);
        return;
    }
    const std::optional<OpenDialogChoice> choice = ui.chooseFilesToOpen(m_openDialog.start());
    if (!choice) return;
    m_openDialog.chosen(*choice);
    openFiles(choice->paths, ui);
}

void MainModule::openFiles(const std::vector<std::string>& paths, MainWindowUi& ui) {
    m_openRun.batchFileNumber = -1;
    m_openRun.continueAll = false;
    m_openRun.cancelAll = false;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        ui.setBusyPointer(true);
        m_openRun.moreFilesFollow = i + 1 < paths.size();
        const Open1Result result = open1(paths[i], ui);
        if (m_openRun.cancelAll) break;
        if (result == Open1Result::Opened) m_openDialog.opened(paths[i]);
        if (result == Open1Result::TooManyEditors) break;
    }
    ui.setBusyPointer(false);
}

MainModule::Open1Result MainModule::open1(const std::string& path, MainWindowUi& ui) {
    if (m_registry.openEditorCount() > 0) {
        const int slot = m_registry.findOpenFile(path);
        if (slot != 0) {
            EditorWindow* editor = m_registry.editor(slot);
            ui.setBusyPointer(false);
            const bool reload = ui.askYesNo(alreadyBeingEditedQuestion(path));
            // A slot taken but not yet given its window has nothing to reload or show.
            if (editor != nullptr) {
                if (reload) editor->openFile(path);
                ui.activateEditor(*editor);
                m_registry.setActiveEditor(slot);
            }
            return Open1Result::Opened;
        }
    }
    if (m_registry.openEditorCount() >= kMaxEditors) {
        ui.setBusyPointer(false);
        ui.showMessage(MessageIcon::Critical, kMaxEditorsOpenCancelled);
        return Open1Result::TooManyEditors;
    }

    const int slot = m_registry.addSlot(path);
    const int savedActive = m_registry.activeEditor();
    m_registry.setActiveEditor(slot);
    EditorWindow* editor = ui.createEditor(slot, path);
    if (editor == nullptr) {
        m_registry.release(slot);
        m_registry.setActiveEditor(savedActive);
        return Open1Result::Failed;
    }
    m_registry.attach(slot, editor);
    if (editor->openFile(path) != OpenResult::Loaded) {
        // A refused file leaves an editor with nothing to save: it goes without a prompt.
        m_registry.release(slot);
        ui.discardEditor(*editor);
        m_registry.setActiveEditor(savedActive);
        return Open1Result::Failed;
    }
    m_registry.markLoaded(slot);
    ui.showEditor(*editor);
    return Open1Result::Opened;
}

void MainModule::openRecent(int position, MainWindowUi& ui) {
    const std::string path = m_recent.entry(position);
    if (path.empty()) return;
    m_openRun.moreFilesFollow = false;
    m_openRun.continueAll = false;
    m_openRun.cancelAll = false;
    m_openRun.batchFileNumber = -1;
    open1(path, ui);
    ui.setBusyPointer(false);
}

MainModule::CloseStep MainModule::closeDecision(EditorWindow& editor, MainWindowUi& ui) {
    if (!editor.modified()) return CloseStep::Release;
    if (m_closeRun.yesToAllChosen) return CloseStep::Save;
    if (m_closeRun.noToAllChosen) return CloseStep::Release;
    const bool allAnswers = m_closeRun.closingAll && m_registry.openEditorCount() >= 2;
    switch (ui.askToSave(editor.filePath(), allAnswers)) {
        case CloseAnswer::Yes:
            return CloseStep::Save;
        case CloseAnswer::YesToAll:
            m_closeRun.yesToAllChosen = true;
            return CloseStep::Save;
        case CloseAnswer::No:
            return CloseStep::Release;
        case CloseAnswer::NoToAll:
            m_closeRun.noToAllChosen = true;
            return CloseStep::Release;
        case CloseAnswer::Cancel:
        case CloseAnswer::None:
            break;
    }
    ui.focusEditor(editor);
    return CloseStep::Keep;
}

bool MainModule::closeEditor(int slot, MainWindowUi& ui) {
    EditorWindow* editor = m_registry.editor(slot);
    if (editor == nullptr) {
        // Already released (or never given a window): nothing to ask, nothing to keep.
        m_registry.release(slot);
        return true;
    }
    CloseStep step = closeDecision(*editor, ui);
    if (step == CloseStep::Save && editor->saveFile() != SaveResult::Saved) step = CloseStep::Keep;
    if (step == CloseStep::Keep) {
        m_closeRun.closeCancelled = true;
        return false;
    }
    m_registry.release(slot);
    return true;
}

void MainModule::closeActive(MainWindowUi& ui) {
    m_closeRun.closeCancelled = false;
    EditorWindow* editor = m_registry.activeEditorWindow();
    if (editor == nullptr) return;
    if (closeEditor(m_registry.activeEditor(), ui)) ui.discardEditor(*editor);
}

bool MainModule::closeAll(MainWindowUi& ui) {
    m_closeRun.clear();
    m_closeRun.closingAll = true;
    for (int slot = 1; slot <= m_registry.slotCount(); ++slot) {
        EditorWindow* editor = m_registry.editor(slot);
        if (editor == nullptr) continue;
        if (closeEditor(slot, ui)) ui.discardEditor(*editor);
        if (m_closeRun.closeCancelled) {
            m_closeRun.clear();
            return false;
        }
    }
    m_closeRun.clear();
    return true;
}

bool MainModule::requestQuit(MainWindowUi& ui) {
    closeAll(ui);
    return m_registry.openEditorCount() == 0;
}

}  // namespace tavmir
