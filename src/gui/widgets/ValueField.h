// The value field of an editor cell. It reports focus, edits, Enter, double-clicks
// and the page keys to its EditorFieldEvents host, and lets the host filter typed characters.
// A text longer than the box shows whole at the head of the tooltip, kept current as the text
// changes.
#pragma once

#include <QLineEdit>

namespace tavmir::gui {

class EditorFieldEvents;

class ValueField : public QLineEdit {
  public:
    ValueField(int item, EditorFieldEvents& events, QWidget* parent);
    int item() const { return m_item; }

    // The tooltip of the cell (limits, description, average annotation).
    void setCellToolTip(const QString& tip);
    const QString& cellToolTip() const { return m_cellToolTip; }
    // True when the text is wider than the box shows.
    bool textOverflows() const;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showToolTip();

    int m_item;
    EditorFieldEvents& m_events;
    QString m_cellToolTip;
};

}  // namespace tavmir::gui
