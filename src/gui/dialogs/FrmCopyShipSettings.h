// FrmCopyShipSettings ("Copy Ship Settings"): copies the values of one ship to one or more other
// ships, for all settings or the chosen groups. "&Copy" checks the selection in its fixed order (a
// refusal keeps the dialog open with the focus on the control to correct) and closes with the
// writes the editor applies; Cancel and Escape change nothing.
#pragma once

#include "dialogs/ShipGroupsDialog.h"

namespace tavmir::gui {

class FrmCopyShipSettings : public ShipGroupsDialog {
    Q_OBJECT

  public:
    explicit FrmCopyShipSettings(const FieldTexts& fields, QWidget* parent = nullptr);

  private:
    // Copies the origin ship's values to the chosen ships, after the checks.
    void copySelectedSettings();
};

}  // namespace tavmir::gui
