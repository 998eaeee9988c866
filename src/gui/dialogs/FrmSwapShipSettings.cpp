#include "dialogs/FrmSwapShipSettings.h"

#include <QPushButton>

namespace tavmir::gui {

FrmSwapShipSettings::FrmSwapShipSettings(const FieldTexts& fields, QWidget* parent)
    : ShipGroupsDialog({QStringLiteral("FrmSwapShipSettings"), QStringLiteral("Swap Ship Settings"),
                        QStringLiteral("Swap s&hip"), QStringLiteral("&With ship"),
                        QStringLiteral("Select settings to swap"), false},
                       fields, parent) {
    connect(addConfirmButton("bSwap", QStringLiteral("&Swap")), &QPushButton::clicked, this,
            &FrmSwapShipSettings::swapSelectedShips);
}

void FrmSwapShipSettings::swapSelectedShips() {
    const int shipA = originShip();
    const int shipB = destinationShip();
    const SettingGroups chosen = groups();
    const ShipDialogRefusal refusal = checkSwapSelection(shipA, shipB, chosen);
    if (refusal.refused()) {
        refuse(refusal);
        return;
    }
    acceptWrites(swapShipSettings(fields(), shipA, shipB, chosen));
}

}  // namespace tavmir::gui
