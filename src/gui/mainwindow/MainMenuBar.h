// The main window's menu bar, built from one table: each row gives a control's object name (as
// the window's design names it), its caption, its shortcut, the menu state that enables it and
// the command it runs on the main window. The bar keeps the items' enabled state in step with
// the open editors and the focused field, and shows the recent files in the File menu.
#pragma once

#include <QObject>

#include <string>
#include <utility>
#include <vector>

#include "session/MainMenus.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tavmir {
class EditorDocument;
}

namespace tavmir::gui {

class MDIFormMain;

class MainMenuBar : public QObject {
    Q_OBJECT

  public:
    // Fills bar with the File, Edit and Window menus and the About item; the items run their
    // commands on main.
    MainMenuBar(MDIFormMain& main, QMenuBar& bar);

    // The file-bound items and the Edit and Window menus as state says; the two field-bound
    // Edit items also need their field (setFieldCommands).
    void applyState(const MainMenuState& state);
    // The focused field's own state of Edit Setting For All Ships and Edit Alphanumeric
    // Setting (the Edit menu, as state says, may still be off).
    void setFieldCommands(const MainMenuState& state, bool editSettingForAllShips,
                          bool editAlphanumericSetting);
    // No field has the focus: both field-bound items off at the next applyState.
    void clearFieldCommands();
    // Undo and Redo as the active editor's history says ("&Undo Copy Ship Settings"), off
    // without an editor or a step.
    void showHistory(const MainMenuState& state, const EditorDocument* document);
    bool editSettingForAllShipsEnabled() const;
    bool editAlphanumericSettingEnabled() const;
    // m_reciente_0.. show one caption each, the rest are hidden; m_sep2 as told.
    void showRecent(const std::vector<std::string>& captions, bool separatorVisible);

    QMenu& windowMenu() const { return *m_windowMenu; }

  private:
    // The controls that follow the menu state, with the flag that enables each, in table order.
    std::vector<std::pair<bool MainMenuState::*, QAction*>> m_stateBound;
    QMenu* m_windowMenu = nullptr;
    QAction* m_editSettingForAllShips = nullptr;
    QAction* m_editAlphanumericSetting = nullptr;
    std::vector<QAction*> m_recentItems;
    QAction* m_recentSeparator = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    bool m_undoApplies = false;  // the active editor has a step to undo
    bool m_redoApplies = false;
    bool m_editAllShipsApplies = false;
    bool m_editAlphanumericApplies = false;
};

}  // namespace tavmir::gui
