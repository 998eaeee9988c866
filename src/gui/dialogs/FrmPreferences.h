// FrmPreferences: shows, applies and saves the four preferences.
#pragma once

#include <functional>

#include "GuiContext.h"

class QWidget;

namespace tavmir::gui {

// Shows the dialog modally. `realignEditors` is called after an apply changed the alignment
// (the main window re-aligns every open editor's value fields).
void showPreferences(QWidget* parent, GuiContext& context, const std::function<void()>& realignEditors);

}  // namespace tavmir::gui
