// The editor's scroll area (scrollArea): the canvas inside it, the two bars (scbH, scbV), the
// size grip (pGrab) in the corner between them, shown only while both bars are, the mouse
// wheel, and the snap-back of a normal-state editor that was made larger than its canvas.
//
// The wheel moves the bar used last while it is shown, else the only bar shown, by the
// MouseWheelSpeed preference's pixels per notch (25, 50 or 100).
#pragma once

#include <QPointer>
#include <QScrollArea>

namespace tavmir {
struct Preferences;
}

namespace tavmir::gui {

class EditorScrollArea : public QScrollArea {
    Q_OBJECT

  public:
    // `editor`: the editor window the area fills (its parent); `preferences` are read at each
    // wheel turn and must outlive the area.
    EditorScrollArea(const Preferences& preferences, QWidget* editor);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The grip shows only while both bars do; decided after the area laid out its bars.
    void queueGripUpdate();
    // Follows the frame whose size the snap-back governs: the MDI subwindow around the
    // editor, or the editor itself when it is a window of its own.
    void watchFrame();
    void snapBack();

    const Preferences& m_preferences;
    QWidget* m_grip = nullptr;
    // "V" or "H": the bar the user moved last; the wheel prefers it.
    QChar m_lastScrollbarClicked = QLatin1Char('V');
    int m_wheelRemainder = 0;
    QPointer<QWidget> m_watchedFrame;
    bool m_snapping = false;
};

}  // namespace tavmir::gui
