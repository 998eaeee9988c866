// The character code a key press types, as the key filters of the editor's fields and of the
// Edit menu's dialogs see it.
#pragma once

#include <QString>
#include <Qt>

namespace tavmir::gui {

// Backspace is 8, Ctrl with a letter gives its control code (so the clipboard shortcuts meet
// the filter), and -1 means the key types nothing (arrows, Home, Delete, ...) and is not
// filtered.
int typedCharacterCode(int key, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace tavmir::gui
