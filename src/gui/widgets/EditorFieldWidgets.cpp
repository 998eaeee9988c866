#include "widgets/EditorFieldWidgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tavmir::gui {

int typedCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (key == Qt::Key_Backspace) return 8;
    // Delete types nothing, although some platforms give it the text DEL (127).
    if (key == Qt::Key_Delete) return -1;
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore) return key - Qt::Key_At;
        return -1;
    }
    if (text.size() == 1) return text.at(0).unicode();
    return -1;
}

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
