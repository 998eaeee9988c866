#include "session/MainTexts.h"

#include "app/Version.h"

namespace tavmir {

std::string mainCaption() {
    std::string text = "Tavmir ";
    text += kProgramVersion;
    text += " - Subspace Settings Editor";
    return text;
}

std::string aboutTitle() {
    std::string text = "Tavmir ";
    text += kProgramVersion;
    text += " - Settings editor for subgame 1.34.14";
    return text;
}

std::string alreadyBeingEditedQuestion(std::string_view path) {
    return std::string(path) + " is already being edited\r\n\r\nDo you want to reload it?";
}

}  // namespace tavmir
