#include "dialogs/ShipGroupsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "UiServices.h"
#include "catalogue/StartupTables.h"

namespace tavmir::gui {
namespace {

constexpr int kListWidth = 130;
constexpr int kListHeight = 172;
constexpr int kFrameLeft = 292;
constexpr int kFrameWidth = 300;

QListWidget* shipList(QWidget* parent, const char* name, int x, bool multiple) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(x, 28, kListWidth, kListHeight);
    for (const char* ship : kShipNames) list->addItem(QLatin1String(ship));
    list->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    list->setCurrentRow(-1);
    list->clearSelection();
    return list;
}

}  // namespace

ShipGroupsDialog::ShipGroupsDialog(const Captions& captions, const FieldTexts& fields,
                                   QWidget* parent)
    : OperationDialog(captions.objectName, captions.caption, parent), m_fields(fields) {
    Label1 = new QLabel(captions.list1Label, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, kListWidth, 18);
    List1 = shipList(this, "List1", 8, false);
    Label1->setBuddy(List1);
    Label2 = new QLabel(captions.list2Label, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(150, 8, kListWidth, 18);
    List2 = shipList(this, "List2", 150, captions.list2Multiple);
    Label2->setBuddy(List2);

    Frame1 = new QGroupBox(captions.frame, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(kFrameLeft, 8, kFrameWidth, kListHeight + 20);
    const SettingGroups initial = initialSettingGroups();
    for (int g = 0; g < kSettingGroupCount; ++g) {
        const auto n = static_cast<std::size_t>(g);
        auto* box = new QCheckBox(QLatin1String(kSettingGroupCaptions[n]), Frame1);
        box->setObjectName(QStringLiteral("Check1_%1").arg(g));
        box->setGeometry(12, 24 + g * 23, kFrameWidth - 20, 20);
        box->setChecked(initial[n]);
        if (g > 0) box->setEnabled(groupBoxesEnabled(initial[0]));
        Check1[n] = box;
    }
    connect(Check1[0], &QCheckBox::toggled, this, [this](bool checked) {
        for (int g = 1; g < kSettingGroupCount; ++g)
            Check1[static_cast<std::size_t>(g)]->setEnabled(groupBoxesEnabled(checked));
    });
    bCancel = addButton("bCancel", QStringLiteral("Ca&ncel"),
                        {kFrameLeft + kFrameWidth - 96, 214, 96, 28});
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kFrameLeft + kFrameWidth + 8, 250);
}

int ShipGroupsDialog::selectedShip(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? 0 : static_cast<int>(list.row(selected.front())) + 1;
}

SettingGroups ShipGroupsDialog::groups() const {
    SettingGroups groups{};
    for (std::size_t g = 0; g < groups.size(); ++g) groups[g] = Check1[g]->isChecked();
    return groups;
}

void ShipGroupsDialog::refuse(const ShipDialogRefusal& refusal) {
    showInformation(this, fromCore(refusal.message));
    switch (refusal.focus) {
        case ShipDialogControl::OriginList:
            List1->setFocus(Qt::OtherFocusReason);
            break;
        case ShipDialogControl::DestinationList:
            List2->setFocus(Qt::OtherFocusReason);
            break;
        case ShipDialogControl::AllSettingsBox:
            Check1[0]->setFocus(Qt::OtherFocusReason);
            break;
    }
}

}  // namespace tavmir::gui
