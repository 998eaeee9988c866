#include "widgets/TypedCharacter.h"

namespace tavmir::gui {

int typedCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (key == Qt::Key_Backspace) return 8;
    // Delete types nothing, although some platforms give it the text DEL (127).
    if (key == Qt::Key_Delete) return -1;
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
        if (key >= Qt::Key_BracketLeft && key <= Qt::Key_Underscore) return key - Qt::Key_At;
        return -1;
    }
    if (text.size() == 1) return text.at(0).unicode();
    return -1;
}

QString typedText(Qt::KeyboardModifiers modifiers, const QString& text) {
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) return {};
    // Backspace, Delete, Return and Escape come with a control code as their text.
    for (const QChar c : text)
        if (c.category() != QChar::Other_Control) return text;
    return {};
}

}  // namespace tavmir::gui
