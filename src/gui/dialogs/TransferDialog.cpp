#include "dialogs/TransferDialog.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "UiServices.h"
#include "dialogs/TransferListModel.h"

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
    const bool withNotes = !notes.isEmpty();
    m_model = new TransferListModel(records, notes,
                                    palette().color(QPalette::Disabled, QPalette::Text), this);
    m_list = new QTreeView(frame);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(10, 20, kWidth - 36, kListHeight);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setItemsExpandable(false);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setModel(m_model);
    m_list->setHeaderHidden(!withNotes);
    if (withNotes) {
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

    m_rowSelected.assign(records.size(), false);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TransferDialog::countSelection);
    m_list->selectAll();
    if (m_model->rowCount() > 0)
        m_list->selectionModel()->setCurrentIndex(m_model->index(0, 0),
                                                  QItemSelectionModel::NoUpdate);
    showCount();
    m_list->setFocus(Qt::OtherFocusReason);
}

void TransferDialog::countSelection(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    const auto mark = [this](const QItemSelection& ranges, bool on) {
        for (const QItemSelectionRange& range : ranges)
            for (int row = range.top(); row <= range.bottom(); ++row) {
                const auto r = static_cast<std::size_t>(row);
                if (m_rowSelected[r] == on) continue;
                m_rowSelected[r] = on;
                m_selectedRows += on ? 1 : -1;
            }
    };
    mark(deselected, false);
    mark(selected, true);
    showCount();
}

void TransferDialog::showCount() {
    m_countLabel->setText(fromCore(selectionCountText(m_selectedRows, m_model->rowCount())));
}

void TransferDialog::selectAllEntries() { m_list->selectAll(); }

void TransferDialog::selectNoEntries() { m_list->clearSelection(); }

void TransferDialog::confirmSelection() {
    std::vector<bool> selection(m_records.size(), false);
    for (const QModelIndex& row : m_list->selectionModel()->selectedRows())
        selection[static_cast<std::size_t>(row.row())] = true;
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
