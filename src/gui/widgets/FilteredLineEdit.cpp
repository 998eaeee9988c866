#include "widgets/FilteredLineEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "widgets/TypedCharacter.h"

namespace tavmir::gui {

FilteredLineEdit::FilteredLineEdit(CharacterFilter filter, QWidget* parent)
    : QLineEdit(parent), m_filter(filter) {}

QString FilteredLineEdit::filtered(const QString& text) const {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (m_filter(c.unicode()) != 0) kept.append(c);
    return kept;
}

void FilteredLineEdit::pasteFiltered(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    // The system's clipboard, as the box's own Copy and Cut fill it.
    const QString kept = filtered(QGuiApplication::clipboard()->text(mode));
    if (!kept.isEmpty()) insert(kept);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteFiltered();
        return;
    }
    // The filter looks at the text the key would put into the box, not at the modifiers.
    const QString typed = typedText(event->modifiers(), event->text());
    const QString kept = filtered(typed);
    if (kept != typed) {
        event->accept();
        if (!kept.isEmpty() && !isReadOnly()) insert(kept);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString kept = filtered(event->commitString());
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filteredEvent(event->preeditString(), event->attributes());
    filteredEvent.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filteredEvent);
    event->setAccepted(filteredEvent.isAccepted());
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (menu == nullptr) return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's own Paste would take the clipboard unfiltered. Qt names the item in some
    // versions; its caption, "&Paste" and a tab before the shortcut, is the same in all.
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QLatin1String("edit-paste") &&
            action->text().section(QLatin1Char('\t'), 0, 0) != pasteCaption)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this] { pasteFiltered(); });
    }
    menu->popup(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // Where the system has a selection clipboard, the middle button pastes it.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        event->accept();
        deselect();
        pasteFiltered(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    const QMimeData* dropped = event->mimeData();
    if (dropped == nullptr || !dropped->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString kept = filtered(dropped->text());
    if (kept == dropped->text()) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (kept.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData keptData;
    keptData.setText(kept);
    QDropEvent keptDrop(event->position(), event->possibleActions(), &keptData, event->buttons(),
                        event->modifiers(), event->type());
    keptDrop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&keptDrop);
    event->setDropAction(keptDrop.dropAction());
    event->setAccepted(keptDrop.isAccepted());
}

}  // namespace tavmir::gui
