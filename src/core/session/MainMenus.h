// Which of the main window's file-bound menus are enabled. They follow from the editor registry
// alone: they apply as soon as one editor holds a loaded file and stop when none does.
#pragma once

#include <string>
#include <string_view>

#include "session/EditorRegistry.h"

namespace tavmir {

// Named after the menu controls they drive.
struct MainMenuState {
    bool mSavefile = false;
    bool mSaveFileAs = false;
    bool mClose = false;
    bool mCloseAll = false;
    bool mEdit = false;
    bool mWindow = false;

    bool operator==(const MainMenuState&) const = default;
};

// The six menus are enabled while some slot in use has loaded its file, else all disabled.
MainMenuState mainMenuState(const EditorRegistry& registry);

// The Edit menu's Undo or Redo caption: verb ("&Undo", "&Redo"), then the name of the step it
// takes back or replays when there is one ("&Undo Copy Ship Settings").
std::string historyCaption(std::string_view verb, std::string_view step);

// The Window menu's item for the editor numbered `number` (1-based) with this window title:
// "&N " and the title shown literally (an "&" of a path doubled).
std::string windowMenuCaption(int number, std::string_view title);

}  // namespace tavmir
