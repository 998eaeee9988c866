// MDIFormMain: the program's one top-level window, a multiple-document frame holding up to
// eight editor windows. It owns the main module (editor registry, run flags, recent files) and
// carries out what the module decides: the module says which files open, which editors may
// close and which menus apply; this window shows the dialogs, makes and removes the editor
// windows and keeps the menus in step.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

#include "GuiContext.h"
#include "session/MainModule.h"
#include "session/MainWindowUi.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace tavmir::gui {

class EditMenuController;
class FrmSettingsEdit;
class MainKeyRouter;
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
    // Rebuilds the recent-files items from the module's list.
    void rebuildRecentMenu();

    // Menu commands (public so that editors and tests can run them).
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
    void openRecentCommand(int index);

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

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct EditorEntry {
        FrmSettingsEdit* editor = nullptr;
        QMdiSubWindow* subWindow = nullptr;
        int slot = 0;
    };

    void buildMenus();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {});
    void onSubWindowActivated(QMdiSubWindow* subWindow);
    void onEditCommandsChanged(bool editSettingForAllShips, bool editAlphanumericSetting);
    const EditorEntry* entryOf(const EditorWindow* editor) const;
    const EditorEntry* entryOf(const QMdiSubWindow* subWindow) const;

    GuiContext& m_context;
    std::unique_ptr<MainModule> m_module;
    std::unique_ptr<MainKeyRouter> m_keyRouter;  // the application-wide key filter
    QMdiArea* m_mdiArea = nullptr;
    std::vector<EditorEntry> m_entries;
    bool m_busy = false;
    EditMenuController* m_editMenu = nullptr;  // owned as a child
    WindowArranger* m_arranger = nullptr;      // owned as a child
    // The focused field's own state of the two Edit commands (the Edit menu may still be off).
    bool m_editAllShipsApplies = false;
    bool m_editAlphanumericApplies = false;

  public:
    // The menu controls, named as the window's design names them.
    QMenu* mFile = nullptr;
    QAction* mOpenFile = nullptr;
    QAction* mSavefile = nullptr;
    QAction* mSaveFileAs = nullptr;
    QAction* mClose = nullptr;
    QAction* mCloseAll = nullptr;
    QAction* mCompareFiles = nullptr;
    QAction* mValidateFiles = nullptr;
    QAction* mValidateTemplateSSS = nullptr;
    QAction* mPreferences = nullptr;
    std::vector<QAction*> m_reciente;
    QAction* m_sep2 = nullptr;
    QAction* mExit = nullptr;
    QMenu* mEdit = nullptr;
    QAction* mEditSettingForAllShips = nullptr;
    QAction* mEditAlphanumericSetting = nullptr;
    QAction* mSwapShipSettings = nullptr;
    QAction* mCopyShipSettings = nullptr;
    QAction* mFindSetting = nullptr;
    QAction* mFindNext = nullptr;
    QAction* mExportSettingsToClipboard = nullptr;
    QAction* mImportSettingsFromClipboard = nullptr;
    QMenu* mWindow = nullptr;
    QAction* mMaximizeAll = nullptr;
    QAction* mCascade = nullptr;
    QAction* mTileHorizontal = nullptr;
    QAction* mTileVertical = nullptr;
    QAction* mArrangeIcons = nullptr;
    QAction* mAbout = nullptr;
};

}  // namespace tavmir::gui
