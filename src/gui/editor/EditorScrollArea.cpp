#include "editor/EditorScrollArea.h"

#include <QEvent>
#include <QFrame>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSizeGrip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

#include "app/Preferences.h"

namespace tavmir::gui {
namespace {

// One wheel notch as Qt reports it.
constexpr int kWheelNotch = 120;

// Pixels one wheel notch moves the canvas: MouseWheelSpeed 1 is low, 3 high, anything else
// medium.
int wheelPixels(int mouseWheelSpeed) {
    if (mouseWheelSpeed == 1) return 25;
    if (mouseWheelSpeed == 3) return 100;
    return 50;
}

bool shown(const QScrollBar& bar) { return bar.maximum() > bar.minimum(); }

}  // namespace

EditorScrollArea::EditorScrollArea(const Preferences& preferences, QWidget* editor)
    : QScrollArea(editor), m_preferences(preferences) {
    setObjectName(QStringLiteral("scrollArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setObjectName(QStringLiteral("scbH"));
    verticalScrollBar()->setObjectName(QStringLiteral("scbV"));
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);

    // The size grip resizes the editor's frame (the MDI subwindow, or the editor's own
    // window). It shows and hides itself as its window's state changes, so it lives in a
    // holder whose visibility the area alone decides.
    m_grip = new QWidget(this);
    m_grip->setObjectName(QStringLiteral("pGrab"));
    auto* gripLayout = new QVBoxLayout(m_grip);
    gripLayout->setContentsMargins(0, 0, 0, 0);
    gripLayout->addWidget(new QSizeGrip(m_grip), 0, Qt::AlignRight | Qt::AlignBottom);
    setCornerWidget(m_grip);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::rangeChanged, this, [this] { queueGripUpdate(); });
    auto lastBar = [this](QChar bar) { return [this, bar](int) { m_lastScrollbarClicked = bar; }; };
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, lastBar(QLatin1Char('V')));
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, lastBar(QLatin1Char('H')));
    if (editor != nullptr) editor->installEventFilter(this);
}

void EditorScrollArea::queueGripUpdate() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_grip->setVisible(shown(*horizontalScrollBar()) && shown(*verticalScrollBar()));
        },
        Qt::QueuedConnection);
}

bool EditorScrollArea::event(QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
        queueGripUpdate();
    return QScrollArea::event(event);
}

bool EditorScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() &&
        (event->type() == QEvent::ParentChange || event->type() == QEvent::Show))
        watchFrame();
    // The frame's layout has not yet resized the editor when the frame hears of its new size.
    if (watched == m_watchedFrame && event->type() == QEvent::Resize && !m_snapping)
        QMetaObject::invokeMethod(
            this, [this] { snapBack(); }, Qt::QueuedConnection);
    return QScrollArea::eventFilter(watched, event);
}

// Turning the wheel towards the user scrolls down (or right).
void EditorScrollArea::wheelEvent(QWheelEvent* event) {
    event->accept();
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const bool vShown = shown(*vertical);
    const bool hShown = shown(*horizontal);
    QScrollBar* bar = nullptr;
    if (vShown && m_lastScrollbarClicked == QLatin1Char('V')) {
        bar = vertical;
    } else if (hShown && m_lastScrollbarClicked == QLatin1Char('H')) {
        bar = horizontal;
    } else if (vShown) {
        bar = vertical;
        m_lastScrollbarClicked = QLatin1Char('V');
    } else if (hShown) {
        bar = horizontal;
        m_lastScrollbarClicked = QLatin1Char('H');
    }
    const QPoint angle = event->angleDelta();
    m_wheelRemainder += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = m_wheelRemainder / kWheelNotch;
    m_wheelRemainder -= notches * kWheelNotch;
    if (bar == nullptr || notches == 0) return;
    const int step = wheelPixels(m_preferences.mouseWheelSpeed);
    bar->setValue(std::clamp(bar->value() - notches * step, bar->minimum(), bar->maximum()));
}

void EditorScrollArea::watchFrame() {
    QWidget* editor = parentWidget();
    if (editor == nullptr) return;
    QWidget* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    if (frame == nullptr && editor->isWindow()) frame = editor;
    if (frame == m_watchedFrame) return;
    if (m_watchedFrame != nullptr && m_watchedFrame != editor)
        m_watchedFrame->removeEventFilter(this);
    m_watchedFrame = frame;
    if (m_watchedFrame != nullptr) m_watchedFrame->installEventFilter(this);
}

// A normal-state editor is never larger than the canvas plus its frame: a larger size snaps
// back, so no empty band shows beside or below the canvas.
void EditorScrollArea::snapBack() {
    if (m_snapping || m_watchedFrame == nullptr || widget() == nullptr) return;
    if (m_watchedFrame->windowState() &
        (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    // The client area counts the scroll bars in, as the canvas's own frame does.
    const int extraWidth = width() - widget()->width();
    const int extraHeight = height() - widget()->height();
    if (extraWidth <= 0 && extraHeight <= 0) return;
    m_snapping = true;
    m_watchedFrame->resize(m_watchedFrame->width() - std::max(0, extraWidth),
                           m_watchedFrame->height() - std::max(0, extraHeight));
    m_snapping = false;
}

}  // namespace tavmir::gui
