// The grid g1 of a batch window over the core's file list: the row number, the path, the result
// cells and the result icon; an empty list shows one blank row.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include "batch/BatchFileList.h"

namespace tavmir::gui {

// The three result images: "Ok", "Orange", "Red".
QIcon resultIcon(ResultMark mark);

class BatchGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit BatchGridModel(BatchFileList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list changed as a whole (rows added or removed).
    void reset();
    // Row i's cells changed.
    void rowChanged(int row);
    // Column widths of the window's layout.
    static QList<int> columnWidths(BatchMode mode);

  private:
    BatchFileList& m_list;
};

}  // namespace tavmir::gui
