// The save prompt shown before a modified editor closes: its answers and which buttons it
// offers. The prompt itself is a window; the decision it feeds is MainModule::closeEditor.
#pragma once

#include <string_view>
#include <vector>

namespace tavmir {

// CloseAnswer.
enum class CloseAnswer {
    None,      // the prompt was dismissed without a button (its close box); treated as Cancel
    Yes,       // save this file, then close
    YesToAll,  // save this and every later modified file of the run
    No,        // close without saving
    NoToAll,   // close this and every later modified file of the run without saving
    Cancel,    // keep the editor open and stop the run
};

inline constexpr std::string_view kClosePromptQuestion =
    "File not saved. Do you want to save it now?";

struct ClosePromptButton {
    std::string_view name;  // the control's name
    std::string_view caption;
    CloseAnswer answer;
    int x;  // left edge in pixels
};

// The buttons in their order: five when the answers for all files apply, else three.
std::vector<ClosePromptButton> closePromptButtons(bool allAnswers);

}  // namespace tavmir
