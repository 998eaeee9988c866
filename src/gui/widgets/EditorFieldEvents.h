// What the editor hears from the cells of its pages (ValueField, FieldLabel). A cell knows its
// field number and reports to one host, so an editor page of 95 cells needs no per-widget
// signal connections.
#pragma once

#include <QString>

namespace tavmir::gui {

class EditorFieldEvents {
  public:
    virtual ~EditorFieldEvents() = default;
    virtual void fieldFocused(int item) = 0;
    virtual void fieldBlurred(int item) = 0;
    // A double-click on the field, or Enter without Shift, Ctrl or Alt.
    virtual void fieldActivated(int item) = 0;
    // The user changed the text (typing, pasting); not called for texts the program sets.
    virtual void fieldEdited(int item, const QString& text) = 0;
    // Page Up (down = false) or Page Down pressed without modifiers.
    virtual void pageKey(bool down) = 0;
    // The typed character code after the field's filter; 0 drops the key.
    virtual int filterKey(int item, int code) = 0;
    virtual void labelClicked(int item, bool doubleClick) = 0;
};

}  // namespace tavmir::gui
