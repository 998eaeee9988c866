#include "dialogs/FrmImportSettings.h"

namespace tavmir::gui {

FrmImportSettings::FrmImportSettings(std::vector<TransferRecord>& records, const QStringList& notes,
                                     QWidget* parent)
    : TransferDialog(
          {QStringLiteral("FrmImportSettings"), QStringLiteral("Import Settings From Clipboard"),
           QStringLiteral("&Select settings to import"), "bImport", QStringLiteral("&Import"),
           false},
          records, notes, parent) {}

}  // namespace tavmir::gui
