// The Window menu's commands on the main window's editors: Maximize All, Cascade, Tile
// Horizontal, Tile Vertical and Arrange Minimized Icons, and the list of the open editors below
// the menu's own items (rebuilt whenever the menu opens or the editors change), whose entries
// bring their editor to the front.
#pragma once

#include <QObject>

#include <vector>

class QAction;
class QMdiSubWindow;
class QMenu;

namespace tavmir::gui {

class FrmSettingsEdit;
class MDIFormMain;

class WindowArranger : public QObject {
    Q_OBJECT

  public:
    // Keeps the window list at the end of windowMenu; both belong to main.
    WindowArranger(MDIFormMain& main, QMenu& windowMenu);

    // Every open editor that is not maximised is maximised; then the editor that was active
    // when the command began is activated again.
    void maximizeAll();
    // The area's cascade, then the active editor activated.
    void cascade();
    // Full-width strips one above the other / full-height columns side by side, then the
    // active editor activated; minimised editors keep the bottom row.
    void tileHorizontal();
    void tileVertical();
    // Minimised editors lined up from the bottom left; activates nothing.
    void arrangeIcons();
    void rebuildWindowList();

  private:
    void tile(Qt::Orientation orientation);
    // Brings editor (the active editor before an arrangement) to the front again.
    void activateEditor(FrmSettingsEdit* editor);

    MDIFormMain& m_main;
    QMenu& m_windowMenu;
    std::vector<QAction*> m_windowList;  // a separator, then one entry per open editor
};

}  // namespace tavmir::gui
