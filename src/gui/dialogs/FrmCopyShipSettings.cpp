#include "dialogs/FrmCopyShipSettings.h"

#include <QPushButton>

namespace tavmir::gui {

FrmCopyShipSettings::FrmCopyShipSettings(const FieldTexts& fields, QWidget* parent)
    : ShipGroupsDialog({QStringLiteral("FrmCopyShipSettings"), QStringLiteral("Copy Ship Settings"),
                        QStringLiteral("Copy &ship"), QStringLiteral("To s&hips"),
                        QStringLiteral("Select settings to copy"), true},
                       fields, parent) {
    connect(addConfirmButton("bCopy", QStringLiteral("&Copy")), &QPushButton::clicked, this,
            &FrmCopyShipSettings::copySelectedSettings);
}

void FrmCopyShipSettings::copySelectedSettings() {
    const int origin = originShip();
    const ShipSelection destinations = destinationShips();
    const SettingGroups chosen = groups();
    const ShipDialogRefusal refusal = checkCopySelection(origin, destinations, chosen);
    if (refusal.refused()) {
        refuse(refusal);
        return;
    }
    acceptWrites(copyShipSettings(fields(), destinations, origin, chosen));
}

}  // namespace tavmir::gui
