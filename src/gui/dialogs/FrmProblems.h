// FrmProblems, the Problems window: every problem that stops the save of the active editor, in
// the order the save meets them (core/document/SaveChecks.h), each with the setting, its page,
// the value now, the message and the proposed fix (ProblemFixes.h). It follows the editor's
// values as they change and the main window's active editor.
//
// Enter or a double-click on a row shows that setting's page and puts the focus into its field;
// "&Fix" applies the fixes of the selected rows and "Fix &All" those of every row, each as one
// step of the editor's history ("Fix Problems"); "&Close" or Escape closes the window. It is a
// window of the main window's own, not modal, so the user can type in the editor meanwhile;
// not a tool window, whose keys Qt would share with the main window's menus (Alt+F is "&Fix"
// here, not the File menu).
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

#include "document/ProblemFixes.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tavmir::gui {

class FrmSettingsEdit;

class FrmProblems : public QWidget {
    Q_OBJECT

  public:
    explicit FrmProblems(QWidget* mainWindow);

    // Lists the problems of `editor` from now on, following its changes; null lists none.
    void showEditor(FrmSettingsEdit* editor);

  private:
    // Lists the editor's problems again, keeping the selected and the current rows.
    void refresh();
    // The setting of the current row: its page shown, its field focused, the editor activated.
    void goToCurrent();
    // The writes of the selected rows' fixes (the current row when none is selected), or of
    // every row's, applied to the editor.
    void fix(bool all);
    void updateButtons();
    void place(const QWidget& mainWindow);
    std::vector<SaveProblem> selectedProblems() const;

    QPointer<FrmSettingsEdit> m_editor;
    std::vector<ListedProblem> m_listed;
    QLabel* m_file = nullptr;         // lFile: the editor's file
    QTreeWidget* m_list = nullptr;    // gProblems
    QLabel* m_summary = nullptr;      // lSummary: how many problems stop the save
    QPushButton* m_fix = nullptr;     // bFix
    QPushButton* m_fixAll = nullptr;  // bFixAll
};

}  // namespace tavmir::gui
