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
    auto* originLabel = new QLabel(captions.list1Label, this);
    originLabel->setObjectName(QStringLiteral("Label1"));
    originLabel->setGeometry(8, 8, kListWidth, 18);
    m_originList = shipList(this, "List1", 8, false);
    originLabel->setBuddy(m_originList);
    auto* destinationLabel = new QLabel(captions.list2Label, this);
    destinationLabel->setObjectName(QStringLiteral("Label2"));
    destinationLabel->setGeometry(150, 8, kListWidth, 18);
    m_destinationList = shipList(this, "List2", 150, captions.list2Multiple);
    destinationLabel->setBuddy(m_destinationList);

    auto* frame = new QGroupBox(captions.frame, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(kFrameLeft, 8, kFrameWidth, kListHeight + 20);
    const SettingGroups initial = initialSettingGroups();
    for (int g = 0; g < kSettingGroupCount; ++g) {
        const auto n = static_cast<std::size_t>(g);
        auto* box = new QCheckBox(QLatin1String(kSettingGroupCaptions[n]), frame);
        box->setObjectName(QStringLiteral("Check1_%1").arg(g));
        box->setGeometry(12, 24 + g * 23, kFrameWidth - 20, 20);
        box->setChecked(initial[n]);
        if (g > 0) box->setEnabled(groupBoxesEnabled(initial[0]));
        m_groupBoxes[n] = box;
    }
    connect(m_groupBoxes[0], &QCheckBox::toggled, this, [this](bool checked) {
        for (int g = 1; g < kSettingGroupCount; ++g)
            m_groupBoxes[static_cast<std::size_t>(g)]->setEnabled(groupBoxesEnabled(checked));
    });
    m_cancelButton = addButton("bCancel", QStringLiteral("Ca&ncel"),
                               {kFrameLeft + kFrameWidth - 96, 214, 96, 28});
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kFrameLeft + kFrameWidth + 8, 250);
}

QPushButton* ShipGroupsDialog::addConfirmButton(const char* name, const QString& caption) {
    QPushButton* button = addButton(name, caption, {m_cancelButton->x() - 104, 214, 96, 28});
    setTabOrder(m_groupBoxes.back(), button);
    setTabOrder(button, m_cancelButton);
    setDefaultButton(button);
    return button;
}

int ShipGroupsDialog::selectedShip(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? 0 : static_cast<int>(list.row(selected.front())) + 1;
}

int ShipGroupsDialog::originShip() const { return selectedShip(*m_originList); }

int ShipGroupsDialog::destinationShip() const { return selectedShip(*m_destinationList); }

ShipSelection ShipGroupsDialog::destinationShips() const {
    ShipSelection ships{};
    for (int i = 0; i < m_destinationList->count(); ++i)
        ships[static_cast<std::size_t>(i)] = m_destinationList->item(i)->isSelected();
    return ships;
}

SettingGroups ShipGroupsDialog::groups() const {
    SettingGroups groups{};
    for (std::size_t g = 0; g < groups.size(); ++g) groups[g] = m_groupBoxes[g]->isChecked();
    return groups;
}

void ShipGroupsDialog::refuse(const ShipDialogRefusal& refusal) {
    showInformation(this, fromCore(refusal.message));
    switch (refusal.focus) {
        case ShipDialogControl::OriginList:
            m_originList->setFocus(Qt::OtherFocusReason);
            break;
        case ShipDialogControl::DestinationList:
            m_destinationList->setFocus(Qt::OtherFocusReason);
            break;
        case ShipDialogControl::AllSettingsBox:
            m_groupBoxes[0]->setFocus(Qt::OtherFocusReason);
            break;
    }
}

void ShipGroupsDialog::acceptWrites(std::vector<FieldWrite> writes) {
    m_writes = std::move(writes);
    accept();
}

}  // namespace tavmir::gui
