// FrmRecoverChanges: the journals of unsaved changes left by a program that ended without
// closing, one row per file (the file, how many settings changed, the time of the last change,
// a warning when the file changed on disk or is gone), with an answer per file: Recover,
// Discard or Later, given to the selected row, and Recover All for every row not answered yet
// (the default button). Closing the dialog otherwise leaves the rows not answered for later.
#pragma once

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace tavmir::gui {

enum class RecoverAnswer { Recover, Discard, Later };

struct RecoverRow {
    QString file;
    int changed = 0;
    QString lastChange;
    QString warning;
};

class FrmRecoverChanges : public QDialog {
    Q_OBJECT

  public:
    explicit FrmRecoverChanges(const std::vector<RecoverRow>& rows, QWidget* parent = nullptr);

    // One answer per row given, in the rows' order.
    const std::vector<RecoverAnswer>& answers() const { return m_answers; }

  private:
    // Gives the selected row its answer and takes it off the list; the dialog closes with the
    // last one.
    void answerSelected(RecoverAnswer answer);

    QTreeWidget* m_list;
    std::vector<RecoverAnswer> m_answers;
};

// Asks about the rows; every row is answered (Later when the dialog was closed).
std::vector<RecoverAnswer> askToRecover(QWidget* parent, const std::vector<RecoverRow>& rows);

}  // namespace tavmir::gui
