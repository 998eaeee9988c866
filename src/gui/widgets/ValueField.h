// Text1(i): the value field of an editor cell. It reports focus, edits, Enter, double-clicks
// and the page keys to its EditorFieldEvents host, and lets the host filter typed characters.
#pragma once

#include <QLineEdit>

namespace tavmir::gui {

class EditorFieldEvents;

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

}  // namespace tavmir::gui
