#include "dialogs/FrmSwapShipSettings.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

namespace tavmir::gui {

FrmSwapShipSettings::FrmSwapShipSettings(const FieldTexts& fields, QWidget* parent)
    : ShipGroupsDialog({QStringLiteral("FrmSwapShipSettings"), QStringLiteral("Swap Ship Settings"),
                        QStringLiteral("Swap ship"), QStringLiteral("With ship"),
                        QStringLiteral("Select settings to swap"), false},
                       fields, parent) {
    bSwap = addButton("bSwap", QStringLiteral("&Swap"), {bCancel->x() - 104, 214, 96, 28});
    setTabOrder(Check1.back(), bSwap);
    setTabOrder(bSwap, bCancel);
    connect(bSwap, &QPushButton::clicked, this, &FrmSwapShipSettings::bSwap_Click);
}

void FrmSwapShipSettings::bSwap_Click() {
    const int shipA = selectedShip(*List1);
    const int shipB = selectedShip(*List2);
    const SettingGroups chosen = groups();
    const ShipDialogRefusal refusal = checkSwapSelection(shipA, shipB, chosen);
    if (refusal.refused()) {
        refuse(refusal);
        return;
    }
    m_writes = swapShipSettings(m_fields, shipA, shipB, chosen);
    accept();
}

}  // namespace tavmir::gui
