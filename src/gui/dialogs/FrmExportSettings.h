// FrmExportSettings ("Export Settings To Clipboard"): lists every setting of the editor with its
// current value; the chosen lines go to the clipboard.
#pragma once

#include "dialogs/TransferDialog.h"

namespace tavmir::gui {

class FrmExportSettings : public TransferDialog {
    Q_OBJECT

  public:
    // records: the export list; the dialog sets their Selected fields when confirmed.
    explicit FrmExportSettings(std::vector<TransferRecord>& records, QWidget* parent = nullptr);
};

}  // namespace tavmir::gui
