// The caption of an editor cell. A click puts the focus into the cell's value
// field; a double-click also runs the field's command. A caption wider than the label's text
// space is elided with "…", and the setting's full "Section:Key" then leads its tooltip, so
// no name is cut without a way to read it.
#pragma once

#include <QLabel>

namespace tavmir::gui {

class EditorFieldEvents;

class FieldLabel : public QLabel {
  public:
    FieldLabel(int item, EditorFieldEvents& events, QWidget* parent);

    // The caption shown (whole or elided) and the setting's full name for the tooltip.
    void setCaption(const QString& caption, const QString& fullName);
    const QString& caption() const { return m_caption; }
    bool elided() const { return m_elided; }
    // The tooltip of the cell (limits, description); the full name goes before it when the
    // caption is elided.
    void setCellToolTip(const QString& tip);
    const QString& cellToolTip() const { return m_cellToolTip; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Shows the caption in the space it has now, and the tooltip that goes with it.
    void fit();

    int m_item;
    EditorFieldEvents& m_events;
    QString m_caption;
    QString m_fullName;
    QString m_cellToolTip;
    bool m_elided = false;
};

}  // namespace tavmir::gui
