#include "widgets/ValueField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "widgets/CellToolTip.h"
#include "widgets/EditorFieldEvents.h"
#include "widgets/TypedCharacter.h"

namespace tavmir::gui {

ValueField::ValueField(int item, EditorFieldEvents& events, QWidget* parent)
    : QLineEdit(parent), m_item(item), m_events(events) {
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_events.fieldEdited(m_item, text); });
    connect(this, &QLineEdit::textChanged, this, &ValueField::showToolTip);
}

void ValueField::setCellToolTip(const QString& tip) {
    m_cellToolTip = tip;
    showToolTip();
}

bool ValueField::textOverflows() const {
    // The text area as QLineEdit lays it out: the style's contents rectangle less the text
    // margins and the two pixels it keeps clear on each side.
    constexpr int kSideMargin = 2;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect box = style()
                          ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                          .marginsRemoved(textMargins());
    return fontMetrics().horizontalAdvance(text()) > box.width() - 2 * kSideMargin;
}

void ValueField::showToolTip() {
    const QString tip = cellToolTipText(textOverflows(), text(), m_cellToolTip);
    if (toolTip() != tip) setToolTip(tip);
}

void ValueField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    showToolTip();
}

void ValueField::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) showToolTip();
}

namespace {

// A menu takes the focus for as long as it is open: a popup opened with the mouse, the menu
// bar when a menu is opened from the keyboard (Alt+E) or Alt alone. The field stays in charge
// meanwhile, so the Edit menu's items show as they apply to it, and it gets the focus back
// when the menu closes.
bool menuFocus(const QFocusEvent& event) {
    return event.reason() == Qt::PopupFocusReason || event.reason() == Qt::MenuBarFocusReason;
}

}  // namespace

void ValueField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!menuFocus(*event)) m_events.fieldFocused(m_item);
}

void ValueField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!menuFocus(*event)) m_events.fieldBlurred(m_item);
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
