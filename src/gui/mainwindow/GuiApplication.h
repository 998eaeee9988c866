// The program's start-up with windows: the screen-size advice, the optional display font, the
// random seed, the preferences (their messages as message boxes), the catalogue, and then the
// main window, into which the files named on the command line are opened.
#pragma once

#include <QIcon>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "GuiContext.h"

namespace tavmir::gui {

class MDIFormMain;

// The font file registered for display when it lies in the program's folder.
inline constexpr const char* kDisplayFontFile = "Andalemo.TTF";

// The program's icon (the window icon of the main window and the editors).
QIcon applicationIcon();

// Everything before the event loop, inside a running QApplication: fills context (preferences,
// catalogue), shows the main window at (0, 0) with 800 x 560 and opens files into editors.
// Null when the catalogue cannot be loaded (its message has been shown).
std::unique_ptr<MDIFormMain> startGui(GuiContext& context,
                                      const std::filesystem::path& programFolder,
                                      const std::vector<std::string>& files);

// The windowed program: creates the QApplication, starts as above and runs until the main
// window closes. Returns the process exit status.
int runGui(int argc, char** argv, const std::filesystem::path& programFolder,
           const std::vector<std::string>& files);

}  // namespace tavmir::gui
