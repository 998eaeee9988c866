// The shared body of the clipboard export and import dialogs: the list of "Section:Key:Value"
// entries, all selected when the dialog opens, Select All / Select None, and the count label
// "Selected: n/m" kept current. The confirming button copies each entry's selection into
// its record; with nothing selected it refuses and stays open. Cancel and Escape leave the
// dialog cancelled and the records untouched.
#pragma once

#include <QStringList>

#include <vector>

#include "dialogs/OperationDialog.h"
#include "operations/ClipboardTransfer.h"

class QLabel;
class QTreeWidget;

namespace tavmir::gui {

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
    void showCount();

    std::vector<TransferRecord>& m_records;
    bool m_exporting;
    bool m_cancelled = true;
    QTreeWidget* m_list = nullptr;   // List1
    QLabel* m_countLabel = nullptr;  // Label1
};

}  // namespace tavmir::gui
