// The two widgets of one editor cell: the value field (Text1) and its label (Label1). They
// know their field number and report what the user does to an EditorFieldEvents host, so
// an editor page of 95 cells needs no per-widget signal connections.
#pragma once

#include <QLabel>
#include <QLineEdit>

namespace tavmir::gui {

// What the editor hears from its cells.
class EditorFieldEvents {
  public:
    virtual ~EditorFieldEvents() = default;
    virtual void fieldFocused(int item) = 0;
    virtual void fieldBlurred(int item) = 0;
    // A double-click on the field, or Enter without Shift, Ctrl or Alt.
    virtual void fieldActivated(int item) = 0;
    // The user changed the text (typing, pasting); not called for texts the program sets.
    virtual void fieldEdited(int item, const QString& text) = 0;
    // Page Up (down = false) or Page Down pressed without modifiers.
    virtual void pageKey(bool down) = 0;
    // The typed character code after the field's filter; 0 drops the key.
    virtual int filterKey(int item, int code) = 0;
    virtual void labelClicked(int item, bool doubleClick) = 0;
};

// The character code a key press types, as the field's filter sees it: Backspace is 8,
// Ctrl with a letter gives its control code (so the clipboard shortcuts meet the filter),
// and -1 means the key types nothing (arrows, Home, Delete, ...) and is not filtered.
int typedCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text);

class ValueField : public QLineEdit {
  public:
    ValueField(int item, EditorFieldEvents& events, QWidget* parent);
    int item() const { return m_item; }

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int m_item;
    EditorFieldEvents& m_events;
};

class FieldLabel : public QLabel {
  public:
    FieldLabel(int item, EditorFieldEvents& events, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int m_item;
    EditorFieldEvents& m_events;
};

}  // namespace tavmir::gui
