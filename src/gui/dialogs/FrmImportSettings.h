// FrmImportSettings ("Import Settings From Clipboard"): lists the accepted clipboard lines, each
// with what the editor holds now, so the user sees what an import would change; the chosen values
// go into the editor.
#pragma once

#include "dialogs/TransferDialog.h"

namespace tavmir::gui {

class FrmImportSettings : public TransferDialog {
    Q_OBJECT

  public:
    // records: the import list; `notes`: per record, beside its entry, the editor's current
    // text when importing would change it, "unchanged" otherwise.
    FrmImportSettings(std::vector<TransferRecord>& records, const QStringList& notes,
                      QWidget* parent = nullptr);
};

}  // namespace tavmir::gui
