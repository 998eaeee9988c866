#include "mainwindow/MainKeyRouter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

#include "document/Layout.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/MDIFormMain.h"

namespace tavmir::gui {

MainKeyRouter::MainKeyRouter(MDIFormMain& main) : m_main(main) { qApp->installEventFilter(this); }

MainKeyRouter::~MainKeyRouter() { qApp->removeEventFilter(this); }

bool MainKeyRouter::handlesShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction*> items = m_main.findChildren<QAction*>();
    return std::any_of(items.begin(), items.end(), [&pressed](const QAction* item) {
        return item->isEnabled() && item->shortcuts().contains(pressed);
    });
}

bool MainKeyRouter::turnPage(QWidget& widget, const QKeyEvent& key) {
    if (key.modifiers() != Qt::NoModifier) return false;
    if (key.key() != Qt::Key_PageUp && key.key() != Qt::Key_PageDown) return false;
    // Inside an editor the editor handles them itself.
    const std::vector<FrmSettingsEdit*> editors = m_main.editors();
    const bool insideEditor =
        std::any_of(editors.begin(), editors.end(), [&widget](const FrmSettingsEdit* editor) {
            return editor == &widget || editor->isAncestorOf(&widget);
        });
    if (insideEditor) return false;
    FrmSettingsEdit* editor = m_main.activeEditor();
    if (editor == nullptr) return false;
    const int page = editor->currentPage();
    editor->showPage(key.key() == Qt::Key_PageUp ? pageUp(page) : pageDown(page));
    return true;
}

bool MainKeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &m_main) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    // Leaving a shortcut override unaccepted lets the menu's shortcut run instead of the
    // field's key.
    if (event->type() == QEvent::ShortcutOverride) return handlesShortcut(key);
    return turnPage(*widget, key);
}

}  // namespace tavmir::gui
