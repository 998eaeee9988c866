// The main window's decisions without the window: opening files into editors (one, several, or
// one from the recent list), closing editors with the save prompt, Close All and quitting, and
// the menus that follow from what is open. It owns the editor registry, the flags of the open
// and close runs, the recent-files list and the open dialog's memory; the window shows its
// questions and carries out its answers through MainWindowUi.
//
// Opening: each file gets a new slot; a file some editor already shows is offered for reload
// instead; a ninth editor is refused. Closing: an unmodified editor just goes; a modified one
// is saved or not as the prompt (or an earlier Yes to All / No to All) says; Cancel, a dismissed
// prompt or a failed save keeps the editor and stops a Close All run at that editor.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "session/EditorRegistry.h"
#include "session/MainMenus.h"
#include "session/MainWindowUi.h"
#include "session/OpenDialogMemory.h"
#include "session/RecentFiles.h"
#include "session/RunFlags.h"

namespace tavmir {

class MainModule {
  public:
    // preferencesFolder: where recent.dat lives (RecentPath); empty when the list cannot be
    // kept (it then lasts for this run only). Nothing is read yet.
    explicit MainModule(const std::filesystem::path& preferencesFolder);

    EditorRegistry& registry() { return m_registry; }
    const EditorRegistry& registry() const { return m_registry; }
    OpenRunFlags& openRun() { return m_openRun; }
    const OpenRunFlags& openRun() const { return m_openRun; }
    CloseRunFlags& closeRun() { return m_closeRun; }
    const CloseRunFlags& closeRun() const { return m_closeRun; }
    RecentFiles& recentFiles() { return m_recent; }
    const RecentFiles& recentFiles() const { return m_recent; }
    const OpenDialogMemory& openDialog() const { return m_openDialog; }

    // Enabled state of the file-bound menus now.
    MainMenuState menuState() const { return mainMenuState(m_registry); }

    // mOpenFile: refuses when all editors are in use, else asks for files and opens them.
    void openCommand(MainWindowUi& ui);
    // An open run over paths in order; stops at Cancel All or when the editor limit is hit.
    void openFiles(const std::vector<std::string>& paths, MainWindowUi& ui);
    // The file opened into an editor (or shown in the editor that has it already),
    // refused by the editor, or not opened because kMaxEditors are open.
    enum class Open1Result { Opened, Failed, TooManyEditors };
    Open1Result open1(const std::string& path, MainWindowUi& ui);
    // A recent-files menu item (0-based); a position without an entry does nothing.
    void openRecent(int position, MainWindowUi& ui);

    // The close request of the editor in slot: true when the editor may go (its slot is then
    // released, or was already free), false when the close is cancelled. The caller removes
    // the window.
    bool closeEditor(int slot, MainWindowUi& ui);
    // mClose: closes the active editor; nothing when it is not open.
    void closeActive(MainWindowUi& ui);
    // mCloseAll: closes the editors in slot order, stopping at the first cancelled close;
    // true when every editor closed.
    bool closeAll(MainWindowUi& ui);
    // The main window asks to close: Close All; true when no editor is left open.
    bool requestQuit(MainWindowUi& ui);

  private:
    enum class CloseStep {
        Save,
        Release,
        Keep,
    };
    CloseStep closeDecision(EditorWindow& editor, MainWindowUi& ui);

    EditorRegistry m_registry;
    OpenRunFlags m_openRun;
    CloseRunFlags m_closeRun;
    RecentFiles m_recent;
    OpenDialogMemory m_openDialog;
};

}  // namespace tavmir
