#include "widgets/FieldLabel.h"

#include <QMouseEvent>

#include "widgets/EditorFieldEvents.h"

namespace tavmir::gui {

FieldLabel::FieldLabel(int item, EditorFieldEvents& events, QWidget* parent)
    : QLabel(parent), m_item(item), m_events(events) {
    setTextFormat(Qt::PlainText);
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
