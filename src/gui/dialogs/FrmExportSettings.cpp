#include "dialogs/FrmExportSettings.h"

namespace tavmir::gui {

FrmExportSettings::FrmExportSettings(std::vector<TransferRecord>& records, QWidget* parent)
    : TransferDialog(
          {QStringLiteral("FrmExportSettings"), QStringLiteral("Export Settings To Clipboard"),
           QStringLiteral("&Select settings to export"), "bExport", QStringLiteral("&Export"),
           true},
          records, {}, parent) {}

}  // namespace tavmir::gui
