#include "mainwindow/MDIFormMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include <algorithm>

#include "UiServices.h"
#include "batch/BatchMenu.h"
#include "dialogs/FrmCloseFile.h"
#include "dialogs/FrmPreferences.h"
#include "editor/EditorFileWatch.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/FrmAbout.h"
#include "mainwindow/FrmMessage.h"
#include "mainwindow/GuiApplication.h"
#include "mainwindow/LastSessionRun.h"
#include "mainwindow/MainKeyRouter.h"
#include "mainwindow/MainMenuBar.h"
#include "mainwindow/ProblemsView.h"
#include "mainwindow/WindowArranger.h"
#include "operations/EditMenuController.h"
#include "session/MainTexts.h"
#include "session/OpenDialogMemory.h"
#include "session/RecentFiles.h"

namespace tavmir::gui {
namespace {

constexpr int kMainLeft = 0;
constexpr int kMainTop = 0;
constexpr int kMainWidth = 800;
constexpr int kMainHeight = 560;

QStringList openDialogFilters() {
    QStringList filters;
    for (const FileFilter& filter : kOpenFileFilters)
        filters.append(qtNameFilter(filter.description, filter.patterns));
    return filters;
}

}  // namespace

MDIFormMain::MDIFormMain(GuiContext& context, QWidget* parent)
    : QMainWindow(parent),
      m_context(context),
      m_module(std::make_unique<MainModule>(context.preferencesFolder())) {
    setObjectName(QStringLiteral("MDIFormMain"));
    setWindowTitle(fromCore(mainCaption()));
    setWindowIcon(applicationIcon());

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MDIFormMain::onSubWindowActivated);

    m_menus = new MainMenuBar(*this, *menuBar());
    m_arranger = new WindowArranger(*this, m_menus->windowMenu());
    m_editMenu = new EditMenuController(*this, m_context);
    m_batchMenu = new BatchMenu(*this, m_context);
    m_problems = new ProblemsView(*this);
    move(kMainLeft, kMainTop);
    resize(kMainWidth, kMainHeight);

    m_context.mainModule = m_module.get();
    m_context.showMessage = [this](const QString& line1, const QString& line2, int milliseconds) {
        gui::showMessage(this, m_context.preferences, line1, line2, milliseconds);
    };

    // A recent.dat that cannot be read just leaves the list empty.
    m_module->recentFiles().load();
    rebuildRecentMenu();
    updateMenus();

    // Menu shortcuts must win over the value fields' own keys (Ctrl+A, Ctrl+K, ...).
    m_keyRouter = std::make_unique<MainKeyRouter>(*this);

    // Coming back from another program: its changes to the open files are looked at.
    if (m_context.watchFilesOnDisk)
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive) checkFilesOnDisk();
                });
}

MDIFormMain::~MDIFormMain() {
    m_keyRouter.reset();
    setBusyPointer(false);
    // The editors go while the module they report to still exists, and without reaching
    // this half-destroyed window through its signals.
    m_mdiArea->disconnect(this);
    for (const EditorEntry& entry : m_entries) {
        entry.subWindow->removeEventFilter(this);
        entry.editor->disconnect(this);
    }
    m_entries.clear();
    delete m_mdiArea;
    m_mdiArea = nullptr;
    if (m_context.mainModule == m_module.get()) {
        m_context.mainModule = nullptr;
        m_context.showMessage = nullptr;
    }
}

FrmSettingsEdit* MDIFormMain::activeEditor() const {
    const int active = m_module->registry().activeEditor();
    for (const EditorEntry& entry : m_entries)
        if (entry.slot == active) return entry.editor;
    return nullptr;
}

std::vector<FrmSettingsEdit*> MDIFormMain::editors() const {
    std::vector<FrmSettingsEdit*> open;
    for (const EditorEntry& entry : m_entries) open.push_back(entry.editor);
    return open;
}

QMdiSubWindow* MDIFormMain::subWindowOf(const FrmSettingsEdit* editor) const {
    const EditorEntry* entry = entryOf(static_cast<const EditorWindow*>(editor));
    return entry ? entry->subWindow : nullptr;
}

std::vector<QMdiSubWindow*> MDIFormMain::editorWindows() const {
    std::vector<QMdiSubWindow*> open;
    for (const EditorEntry& entry : m_entries) open.push_back(entry.subWindow);
    return open;
}

const MDIFormMain::EditorEntry* MDIFormMain::entryOf(const EditorWindow* editor) const {
    for (const EditorEntry& entry : m_entries)
        if (static_cast<const EditorWindow*>(entry.editor) == editor) return &entry;
    return nullptr;
}

const MDIFormMain::EditorEntry* MDIFormMain::entryOf(const QMdiSubWindow* subWindow) const {
    for (const EditorEntry& entry : m_entries)
        if (entry.subWindow == subWindow) return &entry;
    return nullptr;
}

void MDIFormMain::openFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    m_module->openFiles(paths, *this);
    updateMenus();
}

void MDIFormMain::updateMenus() {
    if (m_module->registry().openEditorCount() == 0) m_menus->clearFieldCommands();
    showHistory();
    m_menus->applyState(m_module->menuState());
    m_arranger->rebuildWindowList();
}

void MDIFormMain::showHistory() {
    const FrmSettingsEdit* editor = activeEditor();
    m_menus->showHistory(m_module->menuState(), editor ? &editor->document() : nullptr);
}

void MDIFormMain::checkFilesOnDisk() {
    // By slot; an editor closed meanwhile (a reload refused...) is not looked at.
    std::vector<QPointer<FrmSettingsEdit>> open;
    for (FrmSettingsEdit* editor : editors()) open.emplace_back(editor);
    for (const QPointer<FrmSettingsEdit>& editor : open)
        if (editor) editor->checkFileOnDisk();
}

void MDIFormMain::rebuildRecentMenu() {
    m_menus->showRecent(m_module->recentFiles().menuCaptions(),
                        m_module->recentFiles().separatorVisible());
}

void MDIFormMain::onSubWindowActivated(QMdiSubWindow* subWindow) {
    // Null when the frame itself loses activation: ActiveEditor stays the editor activated last.
    const EditorEntry* entry = entryOf(subWindow);
    if (entry == nullptr) return;
    m_module->registry().setActiveEditor(entry->slot);
    showHistory();
    m_problems->follow(entry->editor);
}

// ---- menu commands ----

void MDIFormMain::openFileCommand() {
    m_module->openCommand(*this);
    updateMenus();
}

void MDIFormMain::saveCommand() {
    if (FrmSettingsEdit* editor = activeEditor()) editor->saveFile();
    m_arranger->rebuildWindowList();
}

void MDIFormMain::saveAsCommand() {
    FrmSettingsEdit* editor = activeEditor();
    if (editor == nullptr) return;
    editor->saveFileAs();
    m_arranger->rebuildWindowList();
}

void MDIFormMain::closeCommand() {
    m_module->closeActive(*this);
    updateMenus();
}

void MDIFormMain::closeAllCommand() {
    m_module->closeAll(*this);
    updateMenus();
}

void MDIFormMain::preferencesCommand() {
    showPreferences(this, m_context, [this] {
        for (FrmSettingsEdit* editor : editors()) editor->applyTextAlign();
    });
}

void MDIFormMain::exitCommand() { close(); }

void MDIFormMain::editSettingForAllShipsCommand() {
    if (m_menus->editSettingForAllShipsEnabled()) m_editMenu->editSettingForAllShips();
}

void MDIFormMain::editAlphanumericSettingCommand() {
    if (m_menus->editAlphanumericSettingEnabled()) m_editMenu->editAlphanum();
}

void MDIFormMain::aboutCommand() { showAbout(this); }

void MDIFormMain::showProblemsCommand() { m_problems->showWindow(); }

void MDIFormMain::openRecentCommand(int index) {
    m_module->openRecent(index, *this);
    updateMenus();
}

// ---- MainWindowUi ----

std::optional<OpenDialogChoice> MDIFormMain::chooseFilesToOpen(const OpenDialogStart& start) {
    FileDialogRequest request;
    request.caption = QStringLiteral("Open");
    request.directory = fromCore(start.startPath);
    request.filters = openDialogFilters();
    request.selectedFilter = start.filterIndex - 1;
    const QStringList chosen = ui().openFileNames(this, request);
    if (chosen.isEmpty()) return std::nullopt;
    OpenDialogChoice choice;
    for (const QString& path : chosen) choice.paths.push_back(toCore(path));
    choice.filterIndex = request.selectedFilter >= 0 ? request.selectedFilter + 1 : 1;
    return choice;
}

EditorWindow* MDIFormMain::createEditor(int slot, const std::string& path) {
    auto* editor = new FrmSettingsEdit(m_context);
    editor->setFilePath(path);
    editor->setSlotNumber(slot);
    editor->setWindowTitle(fromCore(path));

    QMdiSubWindow* subWindow = m_mdiArea->addSubWindow(editor);
    subWindow->setObjectName(QStringLiteral("editorWindow_%1").arg(slot));
    subWindow->setWindowIcon(applicationIcon());
    subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    subWindow->installEventFilter(this);

    // The editor puts its file at the front of the recent list (after an open or a Save As);
    // the menus follow.
    connect(editor, &FrmSettingsEdit::fileLoaded, this, [this] {
        rebuildRecentMenu();
        m_arranger->rebuildWindowList();
    });
    connect(editor, &FrmSettingsEdit::fileSaved, this, [this] {
        rebuildRecentMenu();
        m_arranger->rebuildWindowList();
    });
    connect(editor, &FrmSettingsEdit::editCommandsChanged, this,
            [this](bool editSettingForAllShips, bool editAlphanumericSetting) {
                m_menus->setFieldCommands(m_module->menuState(), editSettingForAllShips,
                                          editAlphanumericSetting);
            });
    connect(editor, &FrmSettingsEdit::historyChanged, this, [this, editor] {
        if (editor == activeEditor()) showHistory();
    });
    m_problems->watch(*editor);
    connect(editor, &FrmSettingsEdit::editCommandRequested, this,
            [this](bool editSettingForAllShips) {
                if (editSettingForAllShips)
                    editSettingForAllShipsCommand();
                else
                    editAlphanumericSettingCommand();
            });

    m_entries.push_back({editor, subWindow, slot});
    return editor;
}

void MDIFormMain::showEditor(EditorWindow& editor) {
    const EditorEntry* entry = entryOf(&editor);
    if (entry == nullptr) return;
    entry->subWindow->showMaximized();
    entry->editor->showPage(1);
    m_mdiArea->setActiveSubWindow(entry->subWindow);
    updateMenus();
    m_problems->editorShown(*entry->editor);
}

void MDIFormMain::activateEditor(EditorWindow& editor) {
    const EditorEntry* entry = entryOf(&editor);
    if (entry == nullptr) return;
    if (entry->subWindow->isMinimized()) entry->subWindow->showNormal();
    m_mdiArea->setActiveSubWindow(entry->subWindow);
}

void MDIFormMain::focusEditor(EditorWindow& editor) {
    const EditorEntry* entry = entryOf(&editor);
    if (entry == nullptr) return;
    m_mdiArea->setActiveSubWindow(entry->subWindow);
    entry->editor->setFocus();
}

void MDIFormMain::discardEditor(EditorWindow& editor) {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(), [&editor](const EditorEntry& entry) {
            return static_cast<EditorWindow*>(entry.editor) == &editor;
        });
    if (found == m_entries.end()) return;
    QMdiSubWindow* subWindow = found->subWindow;
    const bool wasMaximized = subWindow->isMaximized();
    // The window goes later; its questions about the file on disk end now.
    found->editor->fileWatch().stop();
    found->editor->disconnect(this);
    m_entries.erase(found);
    subWindow->removeEventFilter(this);
    // Deleted later: the editor may still be on the call stack (its own close box).
    m_mdiArea->removeSubWindow(subWindow);
    subWindow->hide();
    subWindow->deleteLater();
    // The frame shows its editors maximised while the front one is: the editor that comes to
    // the front in place of a maximised one is maximised too, not left at its normal size.
    if (wasMaximized) {
        QMdiSubWindow* next = m_mdiArea->activeSubWindow();
        if (next == nullptr) next = m_mdiArea->currentSubWindow();
        if (next == nullptr)
            if (FrmSettingsEdit* active = activeEditor()) next = subWindowOf(active);
        if (next != nullptr) next->showMaximized();
    }
    updateMenus();
    m_problems->follow(activeEditor());
}

void MDIFormMain::setBusyPointer(bool busy) {
    if (busy == m_busy) return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MDIFormMain::showMessage(MessageIcon icon, std::string_view text) {
    ui().message(this, icon == MessageIcon::Critical ? BoxIcon::Critical : BoxIcon::Information,
                 fromCore(std::string(text)), QMessageBox::Ok, QMessageBox::Ok);
}

bool MDIFormMain::askYesNo(std::string_view text) {
    return gui::askYesNo(this, fromCore(std::string(text)));
}

CloseAnswer MDIFormMain::askToSave(const std::string& path, bool allAnswers) {
    return gui::askToSave(this, path, allAnswers);
}

// ---- events ----

void MDIFormMain::closeEvent(QCloseEvent* event) {
    // The batch windows close first: one that is running refuses and says so, and then the
    // program goes on with every window as it was, rather than without its main window.
    // What the next start is to reopen, taken before the editors close.
    const LastSession session = openSession(*this);
    if (m_batchMenu->closeWindows() && m_module->requestQuit(*this)) {
        rememberSession(session, m_context);
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
    updateMenus();
}

bool MDIFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        // An editor's own close box: the same close request as the Close command.
        const EditorEntry* entry = entryOf(qobject_cast<const QMdiSubWindow*>(watched));
        if (entry != nullptr) {
            FrmSettingsEdit* editor = entry->editor;
            m_module->closeRun().closeCancelled = false;
            if (m_module->closeEditor(entry->slot, *this)) discardEditor(*editor);
            updateMenus();
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace tavmir::gui
