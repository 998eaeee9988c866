// What the main window shows of the problems that stop the save of its active editor: the line
// in its status bar (lProblems: "3 problems stop the save (F9 shows them)", empty while there
// are none) and the Problems window (FrmProblems), both following the active editor and its
// values as they change.
#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QMainWindow;

namespace tavmir::gui {

class FrmProblems;
class FrmSettingsEdit;

class ProblemsView : public QObject {
    Q_OBJECT

  public:
    // Puts the line into main's status bar.
    explicit ProblemsView(QMainWindow& main);

    // A new editor: its values are followed while it is the active one, and the Problems
    // window opens when its load-error dialog asks for it (once the editor is on the screen).
    void watch(FrmSettingsEdit& editor);
    // The editor has been shown after its open: the window it asked for opens now.
    void editorShown(FrmSettingsEdit& editor);
    // The active editor changed; null when none is open.
    void follow(FrmSettingsEdit* active);
    // Show Problems: opens (or brings to the front) the Problems window for the active editor.
    void showWindow();

  private:
    void showStatus();

    QMainWindow& m_main;
    QLabel* m_status = nullptr;
    QPointer<FrmSettingsEdit> m_active;
    QPointer<FrmProblems> m_window;
    // An editor whose load-error dialog asked for its problems, until it is shown.
    QPointer<FrmSettingsEdit> m_asked;
};

}  // namespace tavmir::gui
