// The entries of the clipboard export and import lists as a model: one row per record, its
// "Section:Key:Value" line and, on import, what the editor holds for it now. Texts are made
// when a row is shown, so a list of a hundred thousand lines opens and scrolls at once.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <vector>

#include "operations/ClipboardTransfer.h"

namespace tavmir::gui {

class TransferListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // `notes`, when not empty, gives the second column; "unchanged" shows in `unchangedColour`.
    TransferListModel(const std::vector<TransferRecord>& records, QStringList notes,
                      QColor unchangedColour, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const std::vector<TransferRecord>& m_records;
    QStringList m_notes;
    QColor m_unchangedColour;
};

}  // namespace tavmir::gui
