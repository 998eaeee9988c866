// MDIFormMain: the program's one top-level window, a multiple-document frame holding up to
// eight editor windows. It owns the main module (editor registry, run flags, recent files) and
// carries out what the module decides: the module says which files open, which editors may
// close and which menus apply; this window shows the dialogs and makes and removes the editor
// windows. Its parts do the rest: MainMenuBar (the menus and their state), WindowArranger (the
// Window menu), MainKeyRouter (menu shortcuts and page keys), EditMenuController (the Edit
// menu's dialogs), BatchMenu (the batch windows) and ProblemsView (the status bar's problems
// line and the Problems window, following the active editor).
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

#include "GuiContext.h"
#include "session/MainModule.h"
#include "session/MainWindowUi.h"

class QMdiArea;
class QMdiSubWindow;

namespace tavmir::gui {

class BatchMenu;
class EditMenuController;
class FrmSettingsEdit;
class MainKeyRouter;
class MainMenuBar;
class ProblemsView;
class WindowArranger;

class MDIFormMain : public QMainWindow, public MainWindowUi {
    Q_OBJECT

  public:
    // Builds the frame and its menus, sets context.mainModule and context.showMessage, and
    // loads the recent list from the program folder. The context must outlive the window.
    explicit MDIFormMain(GuiContext& context, QWidget* parent = nullptr);
    ~MDIFormMain() override;

    MainModule& mainModule() { return *m_module; }
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The editor in ActiveEditor, or null.
    FrmSettingsEdit* activeEditor() const;
    // The open editors in slot order.
    std::vector<FrmSettingsEdit*> editors() const;
    // The subwindow that frames an editor, or null.
    QMdiSubWindow* subWindowOf(const FrmSettingsEdit* editor) const;
    // The subwindows of the open editors in slot order.
    std::vector<QMdiSubWindow*> editorWindows() const;

    // Opens files as one run of the Open command (after its dialog): the command line's files.
    void openFiles(const std::vector<std::string>& paths);
    // Re-reads the file-bound menu states from the module.
    void updateMenus();
    // Every open editor looks at its file on disk, as when the program is activated.
    Q_INVOKABLE void checkFilesOnDisk();
    // Rebuilds the recent-files items from the module's list.
    void rebuildRecentMenu();

    // The menu commands (MainMenuBar runs them; tests and benchmarks may too). The items are
    // reached by their object names ("mOpenFile", "m_reciente_0", ...).
    void openFileCommand();
    void saveCommand();
    void saveAsCommand();
    void closeCommand();
    void closeAllCommand();
    void preferencesCommand();
    void exitCommand();
    void editSettingForAllShipsCommand();
    void editAlphanumericSettingCommand();
    void aboutCommand();
    // Show Problems: the Problems window, for the active editor from now on.
    void showProblemsCommand();
    void openRecentCommand(int index);
    // Where the other commands live: the Edit menu's dialogs, the batch windows, the
    // arrangement of the editor windows.
    EditMenuController& editMenu() { return *m_editMenu; }
    BatchMenu& batchMenu() { return *m_batchMenu; }
    WindowArranger& windowArranger() { return *m_arranger; }

    // MainWindowUi.
    std::optional<OpenDialogChoice> chooseFilesToOpen(const OpenDialogStart& start) override;
    EditorWindow* createEditor(int slot, const std::string& path) override;
    void showEditor(EditorWindow& editor) override;
    void activateEditor(EditorWindow& editor) override;
    void focusEditor(EditorWindow& editor) override;
    void discardEditor(EditorWindow& editor) override;
    void setBusyPointer(bool busy) override;
    void showMessage(MessageIcon icon, std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    CloseAnswer askToSave(const std::string& path, bool allAnswers) override;

  signals:
    // The window's close was accepted (no editor and no busy batch window left): the program
    // ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct EditorEntry {
        FrmSettingsEdit* editor = nullptr;
        QMdiSubWindow* subWindow = nullptr;
        int slot = 0;
    };

    void onSubWindowActivated(QMdiSubWindow* subWindow);
    // Undo and Redo follow the active editor's history.
    void showHistory();
    const EditorEntry* entryOf(const EditorWindow* editor) const;
    const EditorEntry* entryOf(const QMdiSubWindow* subWindow) const;

    GuiContext& m_context;
    std::unique_ptr<MainModule> m_module;
    std::unique_ptr<MainKeyRouter> m_keyRouter;  // the application-wide key filter
    QMdiArea* m_mdiArea = nullptr;
    std::vector<EditorEntry> m_entries;
    bool m_busy = false;
    // Owned as children.
    MainMenuBar* m_menus = nullptr;
    WindowArranger* m_arranger = nullptr;
    EditMenuController* m_editMenu = nullptr;
    BatchMenu* m_batchMenu = nullptr;
    ProblemsView* m_problems = nullptr;
};

}  // namespace tavmir::gui
