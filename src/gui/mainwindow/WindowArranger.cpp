#include "mainwindow/WindowArranger.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <algorithm>

#include "UiServices.h"
#include "mainwindow/MDIFormMain.h"
#include "session/MainMenus.h"

namespace tavmir::gui {

WindowArranger::WindowArranger(MDIFormMain& main, QMenu& windowMenu)
    : QObject(&main), m_main(main), m_windowMenu(windowMenu) {
    connect(&m_windowMenu, &QMenu::aboutToShow, this, &WindowArranger::rebuildWindowList);
}

void WindowArranger::rebuildWindowList() {
    for (QAction* item : m_windowList) {
        m_windowMenu.removeAction(item);
        item->deleteLater();
    }
    m_windowList.clear();
    const std::vector<QMdiSubWindow*> windows = m_main.editorWindows();
    if (windows.empty()) return;

    QAction* separator = m_windowMenu.addSeparator();
    m_windowList.push_back(separator);
    const QMdiSubWindow* current = m_main.mdiArea()->activeSubWindow();
    int number = 1;
    for (QMdiSubWindow* subWindow : windows) {
        QAction* item = m_windowMenu.addAction(
            fromCore(windowMenuCaption(number, toCore(subWindow->windowTitle()))));
        item->setObjectName(QStringLiteral("mWindowList_%1").arg(number));
        item->setCheckable(true);
        item->setChecked(subWindow == current);
        connect(item, &QAction::triggered, this, [this, subWindow] {
            const std::vector<QMdiSubWindow*> open = m_main.editorWindows();
            if (std::find(open.begin(), open.end(), subWindow) == open.end()) return;
            if (subWindow->isMinimized()) subWindow->showNormal();
            m_main.mdiArea()->setActiveSubWindow(subWindow);
        });
        m_windowList.push_back(item);
        ++number;
    }
}

void WindowArranger::activateEditor(FrmSettingsEdit* editor) {
    if (editor == nullptr) return;
    if (QMdiSubWindow* subWindow = m_main.subWindowOf(editor))
        m_main.mdiArea()->setActiveSubWindow(subWindow);
}

void WindowArranger::maximizeAll() {
    // Maximising an editor brings it to the front, which makes it the active editor: the one
    // to activate afterwards is the one active before.
    FrmSettingsEdit* const active = m_main.activeEditor();
    for (QMdiSubWindow* subWindow : m_main.editorWindows())
        if (!subWindow->isMaximized()) subWindow->showMaximized();
    activateEditor(active);
}

void WindowArranger::cascade() {
    FrmSettingsEdit* const active = m_main.activeEditor();
    m_main.mdiArea()->cascadeSubWindows();
    activateEditor(active);
}

void WindowArranger::tile(Qt::Orientation orientation) {
    const std::vector<QMdiSubWindow*> open = m_main.editorWindows();
    std::vector<QMdiSubWindow*> windows;
    bool anyMinimized = false;
    for (QMdiSubWindow* subWindow : open) {
        if (subWindow->isMinimized())
            anyMinimized = true;
        else
            windows.push_back(subWindow);
    }
    if (windows.empty()) return;
    QRect area = m_main.mdiArea()->viewport()->rect();
    // Leave the bottom row to minimised editors, as their icons line up there.
    if (anyMinimized) area.setBottom(area.bottom() - open.front()->minimumSizeHint().height());
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* subWindow = windows[static_cast<std::size_t>(i)];
        if (subWindow->isMaximized()) subWindow->showNormal();
        QRect cell;
        if (orientation == Qt::Horizontal) {
            // Tile Horizontal: full-width strips, one above the other.
            const int top = area.top() + area.height() * i / count;
            const int bottom = area.top() + area.height() * (i + 1) / count;
            cell = QRect(area.left(), top, area.width(), bottom - top);
        } else {
            const int left = area.left() + area.width() * i / count;
            const int right = area.left() + area.width() * (i + 1) / count;
            cell = QRect(left, area.top(), right - left, area.height());
        }
        subWindow->setGeometry(cell);
    }
}

void WindowArranger::tileHorizontal() {
    FrmSettingsEdit* const active = m_main.activeEditor();
    tile(Qt::Horizontal);
    activateEditor(active);
}

void WindowArranger::tileVertical() {
    FrmSettingsEdit* const active = m_main.activeEditor();
    tile(Qt::Vertical);
    activateEditor(active);
}

void WindowArranger::arrangeIcons() {
    // Minimised editors line up from the bottom left, left to right, rows growing upwards.
    const QRect area = m_main.mdiArea()->viewport()->rect();
    int x = area.left();
    int rowBottom = area.bottom() + 1;
    for (QMdiSubWindow* subWindow : m_main.editorWindows()) {
        if (!subWindow->isMinimized()) continue;
        const QSize size = subWindow->size();
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            rowBottom -= size.height();
        }
        subWindow->move(x, rowBottom - size.height());
        x += size.width();
    }
}

}  // namespace tavmir::gui
