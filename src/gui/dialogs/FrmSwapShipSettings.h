// FrmSwapShipSettings ("Swap Ship Settings"): exchanges the values of two ships, for all settings
// or the chosen groups. "&Swap" checks the selection in its fixed order (a refusal keeps the dialog
// open with the focus on the control to correct) and closes with the writes the editor applies;
// Cancel and Escape change nothing.
#pragma once

#include "dialogs/ShipGroupsDialog.h"

namespace tavmir::gui {

class FrmSwapShipSettings : public ShipGroupsDialog {
    Q_OBJECT

  public:
    explicit FrmSwapShipSettings(const FieldTexts& fields, QWidget* parent = nullptr);

  private:
    // Exchanges the two chosen ships' values, after the checks.
    void swapSelectedShips();
};

}  // namespace tavmir::gui
