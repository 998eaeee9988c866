#include "mainwindow/MDIFormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#include "UiServices.h"
#include "dialogs/FrmCloseFile.h"
#include "dialogs/FrmPreferences.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/FrmAbout.h"
#include "mainwindow/FrmMessage.h"
#include "mainwindow/GuiApplication.h"
#include "mainwindow/MainKeyRouter.h"
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

    buildMenus();
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

QAction* MDIFormMain::addItem(QMenu* menu, const char* name, const QString& caption,
                              const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

void MDIFormMain::buildMenus() {
    QMenuBar* bar = menuBar();

    mFile = bar->addMenu(QStringLiteral("&File"));
    mFile->setObjectName(QStringLiteral("mFile"));
    mOpenFile =
        addItem(mFile, "mOpenFile", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mSavefile =
        addItem(mFile, "mSavefile", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mSaveFileAs = addItem(mFile, "mSaveFileAs", QStringLiteral("Save &As..."),
                          QKeySequence(Qt::CTRL | Qt::Key_A));
    mClose = addItem(mFile, "mClose", QStringLiteral("C&lose"), QKeySequence(Qt::CTRL | Qt::Key_L));
    mCloseAll = addItem(mFile, "mCloseAll", QStringLiteral("&Close All"),
                        QKeySequence(Qt::CTRL | Qt::Key_K));
    mFile->addSeparator()->setObjectName(QStringLiteral("mSep1"));
    mCompareFiles = addItem(mFile, "mCompareFiles", QStringLiteral("Compa&re CFG/SET Files..."),
                            QKeySequence(Qt::CTRL | Qt::Key_R));
    mValidateFiles = addItem(mFile, "mValidateFiles", QStringLiteral("&Validate CFG/SET Files..."),
                             QKeySequence(Qt::CTRL | Qt::Key_G));
    mFile->addSeparator()->setObjectName(QStringLiteral("mSep290"));
    mValidateTemplateSSS =
        addItem(mFile, "mValidateTemplateSSS", QStringLiteral("Vali&date template.sss..."),
                QKeySequence(Qt::CTRL | Qt::Key_T));
    mFile->addSeparator()->setObjectName(QStringLiteral("mSep543"));
    mPreferences = addItem(mFile, "mPreferences", QStringLiteral("&Preferences..."),
                           QKeySequence(Qt::CTRL | Qt::Key_P));
    mFile->addSeparator()->setObjectName(QStringLiteral("mSep98"));
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* item = mFile->addAction(QString());
        item->setObjectName(QStringLiteral("m_reciente_%1").arg(i));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { openRecentCommand(i); });
        m_reciente.push_back(item);
    }
    m_sep2 = mFile->addSeparator();
    m_sep2->setObjectName(QStringLiteral("m_sep2"));
    m_sep2->setVisible(false);
    mExit = addItem(mFile, "mExit", QStringLiteral("E&xit"));

    mEdit = bar->addMenu(QStringLiteral("&Edit"));
    mEdit->setObjectName(QStringLiteral("mEdit"));
    mEditSettingForAllShips =
        addItem(mEdit, "mEditSettingForAllShips", QStringLiteral("&Edit Setting For All Ships..."),
                QKeySequence(Qt::Key_F8));
    mEdit->addSeparator()->setObjectName(QStringLiteral("mSep8736"));
    mEditAlphanumericSetting =
        addItem(mEdit, "mEditAlphanumericSetting", QStringLiteral("Edit &Alphanumeric Setting..."),
                QKeySequence(Qt::Key_F1));
    mEdit->addSeparator()->setObjectName(QStringLiteral("mSep700"));
    mSwapShipSettings = addItem(mEdit, "mSwapShipSettings",
                                QStringLiteral("&Swap Ship Settings..."), QKeySequence(Qt::Key_F2));
    mCopyShipSettings = addItem(mEdit, "mCopyShipSettings",
                                QStringLiteral("&Copy Ship Settings..."), QKeySequence(Qt::Key_F4));
    mEdit->addSeparator()->setObjectName(QStringLiteral("mSep250"));
    mFindSetting = addItem(mEdit, "mFindSetting", QStringLiteral("&Find Setting..."),
                           QKeySequence(Qt::CTRL | Qt::Key_F));
    mFindNext = addItem(mEdit, "mFindNext", QStringLiteral("Find &Next"),
                        QKeySequence(Qt::CTRL | Qt::Key_N));
    mEdit->addSeparator()->setObjectName(QStringLiteral("mSep10"));
    mExportSettingsToClipboard = addItem(mEdit, "mExportSettingsToClipboard",
                                         QStringLiteral("&Export Settings To Clipboard..."),
                                         QKeySequence(Qt::CTRL | Qt::Key_E));
    mImportSettingsFromClipboard = addItem(mEdit, "mImportSettingsFromClipboard",
                                           QStringLiteral("&Import Settings From Clipboard..."),
                                           QKeySequence(Qt::CTRL | Qt::Key_I));

    mWindow = bar->addMenu(QStringLiteral("&Window"));
    mWindow->setObjectName(QStringLiteral("mWindow"));
    mMaximizeAll = addItem(mWindow, "mMaximizeAll", QStringLiteral("&Maximize All"));
    mCascade = addItem(mWindow, "mCascade", QStringLiteral("&Cascade"));
    mTileHorizontal = addItem(mWindow, "mTileHorizontal", QStringLiteral("Tile &Horizontal"));
    mTileVertical = addItem(mWindow, "mTileVertical", QStringLiteral("Tile &Vertical"));
    mArrangeIcons = addItem(mWindow, "mArrangeIcons", QStringLiteral("&Arrange Minimized Icons"));
    m_arranger = new WindowArranger(*this, *mWindow);

    mAbout = bar->addAction(QStringLiteral("&About"));
    mAbout->setObjectName(QStringLiteral("mAbout"));

    connect(mOpenFile, &QAction::triggered, this, &MDIFormMain::openFileCommand);
    connect(mSavefile, &QAction::triggered, this, &MDIFormMain::saveCommand);
    connect(mSaveFileAs, &QAction::triggered, this, &MDIFormMain::saveAsCommand);
    connect(mClose, &QAction::triggered, this, &MDIFormMain::closeCommand);
    connect(mCloseAll, &QAction::triggered, this, &MDIFormMain::closeAllCommand);
    connect(mPreferences, &QAction::triggered, this, &MDIFormMain::preferencesCommand);
    connect(mExit, &QAction::triggered, this, &MDIFormMain::exitCommand);
    connect(mEditSettingForAllShips, &QAction::triggered, this,
            &MDIFormMain::editSettingForAllShipsCommand);
    connect(mEditAlphanumericSetting, &QAction::triggered, this,
            &MDIFormMain::editAlphanumericSettingCommand);
    connect(mMaximizeAll, &QAction::triggered, m_arranger, &WindowArranger::maximizeAll);
    connect(mCascade, &QAction::triggered, m_arranger, &WindowArranger::cascade);
    connect(mTileHorizontal, &QAction::triggered, m_arranger, &WindowArranger::tileHorizontal);
    connect(mTileVertical, &QAction::triggered, m_arranger, &WindowArranger::tileVertical);
    connect(mArrangeIcons, &QAction::triggered, m_arranger, &WindowArranger::arrangeIcons);
    connect(mAbout, &QAction::triggered, this, &MDIFormMain::aboutCommand);
    m_editMenu = new EditMenuController(*this, m_context);  // the other Edit items
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
    const MainMenuState state = m_module->menuState();
    if (m_module->registry().openEditorCount() == 0) {
        m_editAllShipsApplies = false;
        m_editAlphanumericApplies = false;
    }
    mSavefile->setEnabled(state.mSavefile);
    mSaveFileAs->setEnabled(state.mSaveFileAs);
    mClose->setEnabled(state.mClose);
    mCloseAll->setEnabled(state.mCloseAll);

    // Items of a disabled top menu are unreachable, shortcuts included.
    mEdit->menuAction()->setEnabled(state.mEdit);
    mEditSettingForAllShips->setEnabled(state.mEdit && m_editAllShipsApplies);
    mEditAlphanumericSetting->setEnabled(state.mEdit && m_editAlphanumericApplies);
    for (QAction* item : {mSwapShipSettings, mCopyShipSettings, mFindSetting, mFindNext,
                          mExportSettingsToClipboard, mImportSettingsFromClipboard})
        item->setEnabled(state.mEdit);

    mWindow->menuAction()->setEnabled(state.mWindow);
    for (QAction* item : {mMaximizeAll, mCascade, mTileHorizontal, mTileVertical, mArrangeIcons})
        item->setEnabled(state.mWindow);
    m_arranger->rebuildWindowList();
}

void MDIFormMain::rebuildRecentMenu() {
    const std::vector<std::string> captions = m_module->recentFiles().menuCaptions();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* item = m_reciente[static_cast<std::size_t>(i)];
        const bool used = i < static_cast<int>(captions.size());
        item->setText(used ? fromCore(captions[static_cast<std::size_t>(i)]) : QString());
        item->setVisible(used);
    }
    m_sep2->setVisible(m_module->recentFiles().separatorVisible());
}

void MDIFormMain::onSubWindowActivated(QMdiSubWindow* subWindow) {
    // Null when the frame itself loses activation: ActiveEditor stays the editor activated last.
    const EditorEntry* entry = entryOf(subWindow);
    if (entry == nullptr) return;
    m_module->registry().setActiveEditor(entry->slot);
}

void MDIFormMain::onEditCommandsChanged(bool editSettingForAllShips, bool editAlphanumericSetting) {
    m_editAllShipsApplies = editSettingForAllShips;
    m_editAlphanumericApplies = editAlphanumericSetting;
    const bool editMenu = m_module->menuState().mEdit;
    mEditSettingForAllShips->setEnabled(editMenu && m_editAllShipsApplies);
    mEditAlphanumericSetting->setEnabled(editMenu && m_editAlphanumericApplies);
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
    if (mEditSettingForAllShips->isEnabled()) m_editMenu->editSettingForAllShips();
}

void MDIFormMain::editAlphanumericSettingCommand() {
    if (mEditAlphanumericSetting->isEnabled()) m_editMenu->editAlphanum();
}

void MDIFormMain::aboutCommand() { showAbout(this); }

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
            &MDIFormMain::onEditCommandsChanged);
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
    found->editor->disconnect(this);
    m_entries.erase(found);
    subWindow->removeEventFilter(this);
    // Deleted later: the editor may still be on the call stack (its own close box).
    m_mdiArea->removeSubWindow(subWindow);
    subWindow->hide();
    subWindow->deleteLater();
    updateMenus();
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
    if (m_module->requestQuit(*this)) {
        event->accept();
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
