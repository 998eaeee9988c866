#include "dialogs/TransferDialog.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "UiServices.h"

namespace tavmir::gui {
namespace {

constexpr int kWidth = 560;
constexpr int kListHeight = 380;
constexpr int kButtonY = kListHeight + 40;

}  // namespace

TransferDialog::TransferDialog(const Captions& captions, std::vector<TransferRecord>& records,
                               const QStringList& notes, QWidget* parent)
    : OperationDialog(captions.objectName, captions.caption, parent),
      m_records(records),
      m_exporting(captions.exporting) {
    Frame1 = new QGroupBox(captions.frame, this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(8, 6, kWidth - 16, kListHeight + 28);
    List1 = new QTreeWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(10, 20, kWidth - 36, kListHeight);
    List1->setRootIsDecorated(false);
    List1->setUniformRowHeights(true);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setAllColumnsShowFocus(true);
    const bool withNotes = !notes.isEmpty();
    List1->setColumnCount(withNotes ? 2 : 1);
    List1->setHeaderHidden(!withNotes);
    if (withNotes) {
        List1->setHeaderLabels({QStringLiteral("Setting"), QStringLiteral("In the editor now")});
        List1->header()->setStretchLastSection(true);
        List1->setColumnWidth(0, (kWidth - 36) * 3 / 5);
    }

    Label1 = new QLabel(fromCore(std::string(kSelectionCountUnfilled)), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(216, kButtonY + 4, 120, 20);
    bSelectAll = addButton("bSelectAll", QStringLiteral("Select &All"), {8, kButtonY, 96, 28});
    bSelectNone = addButton("bSelectNone", QStringLiteral("Select &None"), {110, kButtonY, 96, 28});
    bConfirm = addButton(captions.actionName, captions.action, {kWidth - 208, kButtonY, 96, 28});
    bCancel = addButton("bCancel", QStringLiteral("&Cancel"), {kWidth - 104, kButtonY, 96, 28});
    connect(bSelectAll, &QPushButton::clicked, this, &TransferDialog::bSelectAll_Click);
    connect(bSelectNone, &QPushButton::clicked, this, &TransferDialog::bSelectNone_Click);
    connect(bConfirm, &QPushButton::clicked, this, &TransferDialog::confirm_Click);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kWidth, kButtonY + 36);

    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(records.size()));
    const QColor unchanged = palette().color(QPalette::Disabled, QPalette::Text);
    for (std::size_t i = 0; i < records.size(); ++i) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, fromCore(transferLine(records[i])));
        if (withNotes && static_cast<qsizetype>(i) < notes.size()) {
            item->setText(1, notes[static_cast<qsizetype>(i)]);
            if (notes[static_cast<qsizetype>(i)] == QLatin1String("unchanged"))
                item->setForeground(1, unchanged);
        }
        items.append(item);
    }
    List1->addTopLevelItems(items);
    List1->selectAll();
    if (!items.isEmpty()) List1->setCurrentItem(items.front(), 0, QItemSelectionModel::NoUpdate);
    connect(List1, &QTreeWidget::itemSelectionChanged, this, &TransferDialog::showCount);
    showCount();
    List1->setFocus(Qt::OtherFocusReason);
}

void TransferDialog::showCount() {
    const auto selected = static_cast<int>(List1->selectionModel()->selectedRows().size());
    Label1->setText(fromCore(selectionCountText(selected, List1->topLevelItemCount())));
}

void TransferDialog::bSelectAll_Click() { List1->selectAll(); }

void TransferDialog::bSelectNone_Click() { List1->clearSelection(); }

void TransferDialog::confirm_Click() {
    std::vector<bool> selection(m_records.size(), false);
    for (std::size_t i = 0; i < m_records.size(); ++i)
        selection[i] = List1->topLevelItem(static_cast<int>(i))->isSelected();
    const std::string refusal = nothingSelectedRefusal(m_exporting, selection);
    if (!refusal.empty()) {
        showInformation(this, fromCore(refusal));
        List1->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (std::size_t i = 0; i < m_records.size(); ++i) m_records[i].selected = selection[i];
    m_cancelled = false;
    accept();
}

}  // namespace tavmir::gui
