#include "batch/BatchGridModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include "UiServices.h"
#include "widgets/ThemeColours.h"

namespace tavmir::gui {

namespace {

// The mark drawn on a 16-unit square at each size a screen may ask for, so that it stays
// sharp at 150 % and 200 % scale. The white sign on a saturated disc reads on light and dark
// grids alike.
QIcon drawnIcon(ResultMark mark) {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 16.0, side / 16.0);
        const QColor fill = mark == ResultMark::Ok       ? QColor(40, 160, 60)
                            : mark == ResultMark::Orange ? QColor(245, 150, 20)
                                                         : QColor(210, 30, 30);
        p.setPen(QPen(fill.darker(140), 1));
        p.setBrush(fill);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (mark == ResultMark::Ok) {
            p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5.5)}));
        } else if (mark == ResultMark::Orange) {
            p.drawLine(QPointF(5, 6.5), QPointF(11, 6.5));
            p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
        } else {
            p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
            p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon resultIcon(ResultMark mark) {
    static const QIcon ok = drawnIcon(ResultMark::Ok), orange = drawnIcon(ResultMark::Orange),
                       red = drawnIcon(ResultMark::Red);
    switch (mark) {
        case ResultMark::Ok:
            return ok;
        case ResultMark::Orange:
            return orange;
        case ResultMark::Red:
            return red;
        case ResultMark::None:
            break;
    }
    return {};
}

BatchGridModel::BatchGridModel(BatchFileList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

int BatchGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.gridRows());
}

int BatchGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (m_list.mode() == BatchMode::Validate ? 6 : 4);
}

QList<int> BatchGridModel::columnWidths(BatchMode mode) {
    if (mode == BatchMode::Validate) return {30, 367, 44, 65, 70, 22};
    if (mode == BatchMode::Set) return {30, 343, 205, 22};
    return {30, 463, 85, 22};
}

QVariant BatchGridModel::data(const QModelIndex& index, int role) const {
    const auto r = static_cast<std::size_t>(index.row());
    if (r >= m_list.size()) return {};
    const BatchRow& row = m_list.row(r);
    const int c = index.column();
    const int last = columnCount() - 1;
    if (role == Qt::DisplayRole) {
        if (c == 0) return QString::number(index.row() + 1);
        if (c == 1) return fromCore(row.path);
        if (c < last) return fromCore(row.cells[c - 2]);
        return {};
    }
    if (role == Qt::DecorationRole && c == last) return resultIcon(row.mark);
    if (role == Qt::TextAlignmentRole)
        return c <= 1 || m_list.mode() == BatchMode::Set
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    if (c == 2 && m_list.mode() == BatchMode::Validate && row.typeAlert) {
        if (role == Qt::ForegroundRole)
            return QBrush(ThemeColours(QGuiApplication::palette()).readable(QColor(255, 0, 0)));
        if (role == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
    }
    return {};
}

QVariant BatchGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    if (role != Qt::DisplayRole) return {};
    static const char* validate[] = {"", "File", "Type", "Errors", "Warnings", ""};
    static const char* compare[] = {"", "File", "Differences", ""};
    static const char* set[] = {"", "File", "Result", ""};
    if (section < 0 || section >= columnCount()) return {};
    const BatchMode mode = m_list.mode();
    return QString::fromLatin1(mode == BatchMode::Validate ? validate[section]
                               : mode == BatchMode::Set    ? set[section]
                                                           : compare[section]);
}

void BatchGridModel::reset() {
    beginResetModel();
    endResetModel();
}

void BatchGridModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

}  // namespace tavmir::gui
