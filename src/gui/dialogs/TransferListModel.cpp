#include "dialogs/TransferListModel.h"

#include "UiServices.h"

namespace tavmir::gui {

TransferListModel::TransferListModel(const std::vector<TransferRecord>& records, QStringList notes,
                                     QColor unchangedColour, QObject* parent)
    : QAbstractTableModel(parent),
      m_records(records),
      m_notes(std::move(notes)),
      m_unchangedColour(unchangedColour) {}

int TransferListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_records.size());
}

int TransferListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (m_notes.isEmpty() ? 1 : 2);
}

QVariant TransferListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const qsizetype noteRow = index.row();
    if (index.column() == 0) {
        if (role == Qt::DisplayRole) return fromCore(transferLine(m_records[row]));
        return {};
    }
    if (noteRow >= m_notes.size()) return {};
    if (role == Qt::DisplayRole) return m_notes[noteRow];
    if (role == Qt::ForegroundRole && m_notes[noteRow] == QLatin1String("unchanged"))
        return m_unchangedColour;
    return {};
}

QVariant TransferListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("Setting") : QStringLiteral("In the editor now");
}

}  // namespace tavmir::gui
