// The main window's own texts: its caption, the results of opening one file, and its messages.
// Every message box has the title kMessageTitle.
#pragma once

#include <string>
#include <string_view>

namespace tavmir {

// "Tavmir 2.1 - Subspace Settings Editor", with the program's version.
std::string mainCaption();
// The About box's title line, "Tavmir 2.1 - Settings editor for subgame 1.34.14".
std::string aboutTitle();

inline constexpr std::string_view kMessageTitle = "Tavmir";

// Shown (information) when Open is chosen with all editors in use.
inline constexpr std::string_view kMaxEditorsBeforeOpen =
    "Maximum number of open editors is 8\r\n\r\n"
    "If you want to open another file you must close an editor before";
// Shown (critical) when one file more would pass the limit.
inline constexpr std::string_view kMaxEditorsOpenCancelled =
    "Maximum number of open editors is 8\r\n\r\nOpen cancelled";

// Asked (question, Yes/No, No preselected) when a file is opened that an editor already shows.
std::string alreadyBeingEditedQuestion(std::string_view path);

}  // namespace tavmir
