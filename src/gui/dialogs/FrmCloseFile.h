// FrmCloseFile: the save prompt for a modified file, with Yes, No and Cancel, and Yes to All
// and No to All while several files close.
#pragma once

#include <string>

#include "mainwindow/ClosePrompt.h"

class QWidget;

namespace tavmir::gui {

// Closing the prompt by its window close box counts as Cancel.
CloseAnswer askToSave(QWidget* parent, const std::string& path, bool allAnswers);

}  // namespace tavmir::gui
