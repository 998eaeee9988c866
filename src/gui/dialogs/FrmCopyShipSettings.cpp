#include "dialogs/FrmCopyShipSettings.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

namespace tavmir::gui {

FrmCopyShipSettings::FrmCopyShipSettings(const FieldTexts& fields, QWidget* parent)
    : ShipGroupsDialog({QStringLiteral("FrmCopyShipSettings"), QStringLiteral("Copy Ship Settings"),
                        QStringLiteral("Copy ship"), QStringLiteral("To ships"),
                        QStringLiteral("Select settings to copy"), true},
                       fields, parent) {
    bCopy = addButton("bCopy", QStringLiteral("&Copy"), {bCancel->x() - 104, 214, 96, 28});
    setTabOrder(Check1.back(), bCopy);
    setTabOrder(bCopy, bCancel);
    connect(bCopy, &QPushButton::clicked, this, &FrmCopyShipSettings::bCopy_Click);
}

void FrmCopyShipSettings::bCopy_Click() {
    const int origin = selectedShip(*List1);
    ShipSelection destinations{};
    for (int i = 0; i < List2->count(); ++i)
        destinations[static_cast<std::size_t>(i)] = List2->item(i)->isSelected();
    const SettingGroups chosen = groups();
    const ShipDialogRefusal refusal = checkCopySelection(origin, destinations, chosen);
    if (refusal.refused()) {
        refuse(refusal);
        return;
    }
    m_writes = copyShipSettings(m_fields, destinations, origin, chosen);
    accept();
}

}  // namespace tavmir::gui
