#include "widgets/FieldLabel.h"

#include <QEvent>
#include <QMouseEvent>

#include "widgets/CellToolTip.h"
#include "widgets/EditorFieldEvents.h"

namespace tavmir::gui {

FieldLabel::FieldLabel(int item, EditorFieldEvents& events, QWidget* parent)
    : QLabel(parent), m_item(item), m_events(events) {
    setTextFormat(Qt::PlainText);
}

void FieldLabel::setCaption(const QString& caption, const QString& fullName) {
    m_caption = caption;
    m_fullName = fullName;
    setAccessibleName(caption);
    fit();
}

void FieldLabel::setCellToolTip(const QString& tip) {
    m_cellToolTip = tip;
    fit();
}

void FieldLabel::fit() {
    const int space = contentsRect().width();
    const QFontMetrics metrics = fontMetrics();
    m_elided = metrics.horizontalAdvance(m_caption) > space;
    const QString shown =
        m_elided ? metrics.elidedText(m_caption, Qt::ElideRight, space) : m_caption;
    if (text() != shown) setText(shown);
    const QString tip = cellToolTipText(m_elided, m_fullName, m_cellToolTip);
    if (toolTip() != tip) setToolTip(tip);
}

void FieldLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void FieldLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ContentsRectChange) fit();
}

void FieldLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) m_events.labelClicked(m_item, false);
}

void FieldLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) m_events.labelClicked(m_item, true);
}

}  // namespace tavmir::gui
