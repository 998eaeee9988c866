#include "mainwindow/MainMenuBar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "UiServices.h"
#include "batch/BatchMenu.h"
#include "document/EditorDocument.h"
#include "mainwindow/MDIFormMain.h"
#include "mainwindow/WindowArranger.h"
#include "operations/EditMenuController.h"
#include "session/RecentFiles.h"

namespace tavmir::gui {
namespace {

enum class Kind {
    Menu,             // a top menu; the items below go into it
    Item,             // an item of the current menu
    Separator,        // a separator line of the current menu
    RecentItems,      // m_reciente_0..7, hidden until the recent list fills them
    RecentSeparator,  // hidden while the recent list is empty
    BarItem,          // an item on the bar itself
};

using Command = void (*)(MDIFormMain&);

struct Row {
    Kind kind;
    const char* name;
    const char* caption;
    const char* shortcut;            // portable text ("Ctrl+O"; several with ";"), "" for none
    bool MainMenuState::*enabledBy;  // null: enabled from the start, whatever is open
    Command run;
};

constexpr bool MainMenuState::*kAlways = nullptr;

constexpr Row menu(const char* name, const char* caption, bool MainMenuState::*enabledBy) {
    return {Kind::Menu, name, caption, "", enabledBy, nullptr};
}

constexpr Row item(const char* name, const char* caption, const char* shortcut,
                   bool MainMenuState::*enabledBy, Command run) {
    return {Kind::Item, name, caption, shortcut, enabledBy, run};
}

constexpr Row separator(const char* name) {
    return {Kind::Separator, name, "", "", kAlways, nullptr};
}

// The menus in the order they appear, with the state that enables each control.
constexpr Row kRows[] = {
    menu("mFile", "&File", kAlways),
    item("mOpenFile", "&Open...", "Ctrl+O", kAlways, [](MDIFormMain& m) { m.openFileCommand(); }),
    item("mSavefile", "&Save", "Ctrl+S", &MainMenuState::mSavefile,
         [](MDIFormMain& m) { m.saveCommand(); }),
    item("mSaveFileAs", "Save &As...", "Ctrl+A", &MainMenuState::mSaveFileAs,
         [](MDIFormMain& m) { m.saveAsCommand(); }),
    item("mClose", "C&lose", "Ctrl+L", &MainMenuState::mClose,
         [](MDIFormMain& m) { m.closeCommand(); }),
    item("mCloseAll", "&Close All", "Ctrl+K", &MainMenuState::mCloseAll,
         [](MDIFormMain& m) { m.closeAllCommand(); }),
    separator("mSep1"),
    item("mCompareFiles", "Compa&re CFG/SET Files...", "Ctrl+R", kAlways,
         [](MDIFormMain& m) { m.batchMenu().compareFiles(); }),
    item("mValidateFiles", "&Validate CFG/SET Files...", "Ctrl+G", kAlways,
         [](MDIFormMain& m) { m.batchMenu().validateFiles(); }),
    item("mSetValues", "Set Val&ues In CFG/SET Files...", "", kAlways,
         [](MDIFormMain& m) { m.batchMenu().setValues(); }),
    separator("mSep290"),
    item("mValidateTemplateSSS", "Vali&date template.sss...", "Ctrl+T", kAlways,
         [](MDIFormMain& m) { m.batchMenu().validateTemplate(); }),
    separator("mSep543"),
    item("mPreferences", "&Preferences...", "Ctrl+P", kAlways,
         [](MDIFormMain& m) { m.preferencesCommand(); }),
    separator("mSep98"),
    {Kind::RecentItems, "m_reciente_%1", "", "", kAlways, nullptr},
    {Kind::RecentSeparator, "m_sep2", "", "", kAlways, nullptr},
    item("mExit", "E&xit", "", kAlways, [](MDIFormMain& m) { m.exitCommand(); }),

    menu("mEdit", "&Edit", &MainMenuState::mEdit),
    // Their captions name the step (showHistory); Redo answers to either of its keys.
    item("mUndo", "&Undo", "Ctrl+Z", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editMenu().undo(); }),
    item("mRedo", "&Redo", "Ctrl+Y;Ctrl+Shift+Z", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editMenu().redo(); }),
    separator("mSepUndo"),
    item("mEditSettingForAllShips", "&Edit Setting For All Ships...", "F8", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editSettingForAllShipsCommand(); }),
    separator("mSep8736"),
    item("mEditAlphanumericSetting", "Edit &Alphanumeric Setting...", "F1", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editAlphanumericSettingCommand(); }),
    separator("mSep700"),
    item("mSwapShipSettings", "&Swap Ship Settings...", "F2", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editMenu().swapSettings(); }),
    item("mCopyShipSettings", "&Copy Ship Settings...", "F4", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editMenu().copySettings(); }),
    separator("mSep250"),
    item("mFindSetting", "&Find Setting...", "Ctrl+F", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editMenu().findSetting(); }),
    item("mFindNext", "Find &Next", "Ctrl+N", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.editMenu().findNextSetting(); }),
    separator("mSep10"),
    item("mExportSettingsToClipboard", "&Export Settings To Clipboard...", "Ctrl+E",
         &MainMenuState::mEdit, [](MDIFormMain& m) { m.editMenu().exportSettingsToClipboard(); }),
    item("mImportSettingsFromClipboard", "&Import Settings From Clipboard...", "Ctrl+I",
         &MainMenuState::mEdit, [](MDIFormMain& m) { m.editMenu().importSettingsFromClipboard(); }),
    separator("mSepProblems"),
    item("mShowProblems", "Show &Problems", "F9", &MainMenuState::mEdit,
         [](MDIFormMain& m) { m.showProblemsCommand(); }),

    // The list of open editors follows these items (WindowArranger).
    menu("mWindow", "&Window", &MainMenuState::mWindow),
    item("mMaximizeAll", "&Maximize All", "", &MainMenuState::mWindow,
         [](MDIFormMain& m) { m.windowArranger().maximizeAll(); }),
    item("mCascade", "&Cascade", "", &MainMenuState::mWindow,
         [](MDIFormMain& m) { m.windowArranger().cascade(); }),
    item("mTileHorizontal", "Tile &Horizontal", "", &MainMenuState::mWindow,
         [](MDIFormMain& m) { m.windowArranger().tileHorizontal(); }),
    item("mTileVertical", "Tile &Vertical", "", &MainMenuState::mWindow,
         [](MDIFormMain& m) { m.windowArranger().tileVertical(); }),
    item("mArrangeIcons", "&Arrange Minimized Icons", "", &MainMenuState::mWindow,
         [](MDIFormMain& m) { m.windowArranger().arrangeIcons(); }),

    {Kind::BarItem, "mAbout", "&About", "", kAlways, [](MDIFormMain& m) { m.aboutCommand(); }},
};

}  // namespace

MainMenuBar::MainMenuBar(MDIFormMain& main, QMenuBar& bar) : QObject(&main) {
    QMenu* current = nullptr;
    for (const Row& row : kRows) {
        const QString name = QLatin1String(row.name);
        const QString caption = QLatin1String(row.caption);
        QAction* action = nullptr;
        switch (row.kind) {
            case Kind::Menu:
                current = bar.addMenu(caption);
                current->setObjectName(name);
                action = current->menuAction();
                if (name == QLatin1String("mWindow")) m_windowMenu = current;
                break;
            case Kind::Item:
                action = current->addAction(caption);
                break;
            case Kind::BarItem:
                action = bar.addAction(caption);
                break;
            case Kind::Separator:
            case Kind::RecentSeparator:
                action = current->addSeparator();
                break;
            case Kind::RecentItems:
                for (int i = 0; i < kMaxRecentFiles; ++i) {
                    QAction* recent = current->addAction(QString());
                    recent->setObjectName(name.arg(i));
                    recent->setVisible(false);
                    connect(recent, &QAction::triggered, this,
                            [&main, i] { main.openRecentCommand(i); });
                    m_recentItems.push_back(recent);
                }
                continue;
        }
        if (row.kind != Kind::Menu) action->setObjectName(name);
        if (row.kind == Kind::RecentSeparator) {
            action->setVisible(false);
            m_recentSeparator = action;
        }
        if (*row.shortcut != '\0') {
            QList<QKeySequence> keys;
            for (const QString& key : QString::fromLatin1(row.shortcut).split(QLatin1Char(';')))
                keys.append(QKeySequence(key, QKeySequence::PortableText));
            action->setShortcuts(keys);
        }
        if (row.run != nullptr)
            connect(action, &QAction::triggered, this, [&main, run = row.run] { run(main); });
        if (row.enabledBy != kAlways) m_stateBound.emplace_back(row.enabledBy, action);
        if (name == QLatin1String("mEditSettingForAllShips")) m_editSettingForAllShips = action;
        if (name == QLatin1String("mEditAlphanumericSetting")) m_editAlphanumericSetting = action;
        if (name == QLatin1String("mUndo")) m_undo = action;
        if (name == QLatin1String("mRedo")) m_redo = action;
    }
}

void MainMenuBar::applyState(const MainMenuState& state) {
    // Items of a disabled top menu are unreachable, shortcuts included.
    for (const auto& [enabledBy, action] : m_stateBound) {
        bool on = state.*enabledBy;
        if (action == m_editSettingForAllShips) on = on && m_editAllShipsApplies;
        if (action == m_editAlphanumericSetting) on = on && m_editAlphanumericApplies;
        if (action == m_undo) on = on && m_undoApplies;
        if (action == m_redo) on = on && m_redoApplies;
        action->setEnabled(on);
    }
}

void MainMenuBar::showHistory(const MainMenuState& state, const EditorDocument* document) {
    m_undoApplies = document != nullptr && document->canUndo();
    m_redoApplies = document != nullptr && document->canRedo();
    m_undo->setText(fromCore(historyCaption("&Undo", m_undoApplies ? document->undoName() : "")));
    m_redo->setText(fromCore(historyCaption("&Redo", m_redoApplies ? document->redoName() : "")));
    m_undo->setEnabled(state.mEdit && m_undoApplies);
    m_redo->setEnabled(state.mEdit && m_redoApplies);
}

void MainMenuBar::setFieldCommands(const MainMenuState& state, bool editSettingForAllShips,
                                   bool editAlphanumericSetting) {
    m_editAllShipsApplies = editSettingForAllShips;
    m_editAlphanumericApplies = editAlphanumericSetting;
    m_editSettingForAllShips->setEnabled(state.mEdit && m_editAllShipsApplies);
    m_editAlphanumericSetting->setEnabled(state.mEdit && m_editAlphanumericApplies);
}

void MainMenuBar::clearFieldCommands() {
    m_editAllShipsApplies = false;
    m_editAlphanumericApplies = false;
}

bool MainMenuBar::editSettingForAllShipsEnabled() const {
    return m_editSettingForAllShips->isEnabled();
}

bool MainMenuBar::editAlphanumericSettingEnabled() const {
    return m_editAlphanumericSetting->isEnabled();
}

void MainMenuBar::showRecent(const std::vector<std::string>& captions, bool separatorVisible) {
    for (std::size_t i = 0; i < m_recentItems.size(); ++i) {
        QAction* item = m_recentItems[i];
        const bool used = i < captions.size();
        item->setText(used ? fromCore(captions[i]) : QString());
        item->setVisible(used);
    }
    m_recentSeparator->setVisible(separatorVisible);
}

}  // namespace tavmir::gui
