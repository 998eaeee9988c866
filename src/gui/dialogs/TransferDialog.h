// The shared body of the clipboard export and import dialogs: the list of "Section:Key:Value"
// entries, all selected when the dialog opens, Select All / Select None, and the count label
// "Selected: n/m" kept current. The confirming button copies each entry's selection into
// its record; with nothing selected it refuses and stays open. Cancel and Escape leave the
// dialog cancelled and the records untouched.
#pragma once

#include <QItemSelection>
#include <QStringList>

#include <vector>

#include "dialogs/OperationDialog.h"
#include "operations/ClipboardTransfer.h"

class QLabel;
class QTreeView;

namespace tavmir::gui {

class TransferListModel;

class TransferDialog : public OperationDialog {
    Q_OBJECT

  public:
    struct Captions {
        QString objectName;
        QString caption;
        QString frame;
        const char* actionName;  // bExport / bImport
        QString action;
        bool exporting = true;
    };
    // `notes`, when not empty, holds one text per record shown beside its entry.
    TransferDialog(const Captions& captions, std::vector<TransferRecord>& records,
                   const QStringList& notes, QWidget* parent);

    // Set on opening, cleared only by the confirming button.
    bool cancelled() const { return m_cancelled; }

  private:
    void selectAllEntries();
    void selectNoEntries();
    // Copies each entry's selection into its record and closes; refuses an empty selection.
    void confirmSelection();
    // Follows the rows a selection change adds or takes away, so a click on one line of a
    // long list costs that line only.
    void countSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void showCount();

    std::vector<TransferRecord>& m_records;
    bool m_exporting;
    bool m_cancelled = true;
    std::vector<bool> m_rowSelected;  // by row, as the view's selection says
    int m_selectedRows = 0;
    TransferListModel* m_model = nullptr;
    QTreeView* m_list = nullptr;     // List1
    QLabel* m_countLabel = nullptr;  // Label1
};

}  // namespace tavmir::gui
