// A text box that takes only the characters its key filter passes, however they arrive: typed
// (whatever modifiers are held, since Alt or AltGr with a letter types that letter), committed by
// an input method, pasted (the paste keys, the context menu's Paste, the middle button's
// selection) or dropped. Refused characters are dropped and the others arrive as if typed, so
// pasting "1,500" into a number box gives "1500". Editing keys and the clipboard and undo
// shortcuts (Ctrl+C, Ctrl+V, Ctrl+Z, ...) work as in any text box, and every change stays undoable.
#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace tavmir::gui {

class FilteredLineEdit : public QLineEdit {
  public:
    // A key filter of the editor's rules: the character's code when it is taken, 0 when not.
    using CharacterFilter = char16_t (*)(char16_t);

    explicit FilteredLineEdit(CharacterFilter filter, QWidget* parent = nullptr);

    // text without the characters the filter refuses.
    QString filtered(const QString& text) const;
    // Inserts the filtered text of the clipboard (or of the selection) at the cursor, over
    // the selected text, as one undoable step.
    void pasteFiltered(QClipboard::Mode mode = QClipboard::Clipboard);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    CharacterFilter m_filter;
};

}  // namespace tavmir::gui
