// Label1(i): the caption of an editor cell. A click puts the focus into the cell's value
// field; a double-click also runs the field's command.
#pragma once

#include <QLabel>

namespace tavmir::gui {

class EditorFieldEvents;

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
