#include "mainwindow/MainTexts.h"

namespace tavmir {

std::string alreadyBeingEditedQuestion(std::string_view path) {
    return std::string(path) + " is already being edited\r\n\r\nDo you want to reload it?";
}

}  // namespace tavmir
