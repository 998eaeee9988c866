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
    auto* frame = new QGroupBox(captions.frame, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 6, kWidth - 16, kListHeight + 28);
    m_list = new QTreeWidget(frame);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(10, 20, kWidth - 36, kListHeight);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setAllColumnsShowFocus(true);
    const bool withNotes = !notes.isEmpty();
    m_list->setColumnCount(withNotes ? 2 : 1);
    m_list->setHeaderHidden(!withNotes);
    if (withNotes) {
        m_list->setHeaderLabels({QStringLiteral("Setting"), QStringLiteral("In the editor now")});
        m_list->header()->setStretchLastSection(true);
        m_list->setColumnWidth(0, (kWidth - 36) * 3 / 5);
    }

    m_countLabel = new QLabel(fromCore(std::string(kSelectionCountUnfilled)), this);
    m_countLabel->setObjectName(QStringLiteral("Label1"));
    m_countLabel->setGeometry(216, kButtonY + 4, 120, 20);
    QPushButton* selectAllButton =
        addButton("bSelectAll", QStringLiteral("Select &All"), {8, kButtonY, 96, 28});
    QPushButton* selectNoneButton =
        addButton("bSelectNone", QStringLiteral("Select &None"), {110, kButtonY, 96, 28});
    QPushButton* confirmButton =
        addButton(captions.actionName, captions.action, {kWidth - 208, kButtonY, 96, 28});
    QPushButton* cancelButton =
        addButton("bCancel", QStringLiteral("&Cancel"), {kWidth - 104, kButtonY, 96, 28});
    connect(selectAllButton, &QPushButton::clicked, this, &TransferDialog::selectAllEntries);
    connect(selectNoneButton, &QPushButton::clicked, this, &TransferDialog::selectNoEntries);
    connect(confirmButton, &QPushButton::clicked, this, &TransferDialog::confirmSelection);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setDefaultButton(confirmButton);
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
    m_list->addTopLevelItems(items);
    m_list->selectAll();
    if (!items.isEmpty()) m_list->setCurrentItem(items.front(), 0, QItemSelectionModel::NoUpdate);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TransferDialog::showCount);
    showCount();
    m_list->setFocus(Qt::OtherFocusReason);
}

void TransferDialog::showCount() {
    const auto selected = static_cast<int>(m_list->selectionModel()->selectedRows().size());
    m_countLabel->setText(fromCore(selectionCountText(selected, m_list->topLevelItemCount())));
}

void TransferDialog::selectAllEntries() { m_list->selectAll(); }

void TransferDialog::selectNoEntries() { m_list->clearSelection(); }

void TransferDialog::confirmSelection() {
    std::vector<bool> selection(m_records.size(), false);
    for (std::size_t i = 0; i < m_records.size(); ++i)
        selection[i] = m_list->topLevelItem(static_cast<int>(i))->isSelected();
    const std::string refusal = nothingSelectedRefusal(m_exporting, selection);
    if (!refusal.empty()) {
        showInformation(this, fromCore(refusal));
        m_list->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (std::size_t i = 0; i < m_records.size(); ++i) m_records[i].selected = selection[i];
    m_cancelled = false;
    accept();
}

}  // namespace tavmir::gui
