#include "widgets/ValueField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "widgets/EditorFieldEvents.h"
#include "widgets/TypedCharacter.h"

namespace tavmir::gui {

ValueField::ValueField(int item, EditorFieldEvents& events, QWidget* parent)
    : QLineEdit(parent), m_item(item), m_events(events) {
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_events.fieldEdited(m_item, text); });
}

void ValueField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) m_events.fieldFocused(m_item);
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Opening a menu (the Edit menu with the mouse) leaves the field in charge.
    if (event->reason() != Qt::PopupFocusReason) m_events.fieldBlurred(m_item);
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (mods == Qt::NoModifier && (key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        event->accept();
        m_events.pageKey(key == Qt::Key_PageDown);
        return;
    }
    if (mods == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        m_events.fieldActivated(m_item);
        return;
    }
    const int code = typedCharacterCode(key, event->modifiers(), event->text());
    if (code >= 0 && m_events.filterKey(m_item, code) == 0) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueField::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    m_events.fieldActivated(m_item);
}

}  // namespace tavmir::gui
