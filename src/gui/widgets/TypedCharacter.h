// The character code a key press types, as the key filters of the editor's fields and of the
// Edit menu's dialogs see it, and the text it types, as the filtered text boxes see it.
#pragma once

#include <QString>
#include <Qt>

namespace tavmir::gui {

// Backspace is 8, Ctrl with a letter gives its control code (so the clipboard shortcuts meet
// the filter), and -1 means the key types nothing (arrows, Home, Delete, ...) and is not
// filtered.
int typedCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// The text a key press puts into a text box: none while Ctrl (alone or with Shift) is held,
// as those keys are commands, and none when the key's text is only control codes (Backspace,
// Delete, Tab, Return); else the key's text, whatever other modifiers are held (Alt, AltGr,
// Meta, the keypad).
QString typedText(Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace tavmir::gui
