// What the main module asks of the window toolkit: dialogs, message boxes, the busy pointer
// and the life of editor windows. The main window implements it; tests script it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session/ClosePrompt.h"
#include "session/EditorWindow.h"
#include "session/OpenDialogMemory.h"

namespace tavmir {

enum class MessageIcon {
    Critical,
    Information,
};

class MainWindowUi {
  public:
    virtual ~MainWindowUi() = default;

    // The open-file dialog (multiple selection); nothing when the user cancelled.
    virtual std::optional<OpenDialogChoice> chooseFilesToOpen(const OpenDialogStart& start) = 0;
    // A new editor window, loaded, maximised, with caption and FilePath set to path and
    // SlotNumber to slot; null when no window could be made.
    virtual EditorWindow* createEditor(int slot, const std::string& path) = 0;
    // Shows a freshly loaded editor at its first page ("General Settings 1").
    virtual void showEditor(EditorWindow& editor) = 0;
    // Brings an editor to the front and makes it the active one.
    virtual void activateEditor(EditorWindow& editor) = 0;
    // Gives an editor whose close was cancelled the focus.
    virtual void focusEditor(EditorWindow& editor) = 0;
    // Removes an editor's window; its slot has already been released.
    virtual void discardEditor(EditorWindow& editor) = 0;
    // Busy (hourglass) or normal pointer; setting the current state again changes nothing.
    virtual void setBusyPointer(bool busy) = 0;
    // A message box with an OK button and the title "Tavmir".
    virtual void showMessage(MessageIcon icon, std::string_view text) = 0;
    // A question box with Yes and No, No preselected, title "Tavmir"; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
    // The save prompt for the file at path; allAnswers shows Yes to All and No to All too.
    virtual CloseAnswer askToSave(const std::string& path, bool allAnswers) = 0;
};

}  // namespace tavmir
