// What the windows of one run share: the catalogue, the program's folder, the process-wide
// preferences, and the main window's transient message.
#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/Preferences.h"
#include "catalogue/Catalogue.h"

namespace tavmir {
class MainModule;
}

namespace tavmir::gui {

struct GuiContext {
    std::shared_ptr<const Catalogue> catalogue;
    std::filesystem::path programFolder;
    Preferences preferences;            // changed by the preferences dialog
    MainModule* mainModule = nullptr;   // owned by the main window
    // ShowMessage: the transient confirmation window (two lines, shown for `milliseconds`,
    // or only a pause when the window message is disabled).
    std::function<void(const QString& line1, const QString& line2, int milliseconds)> showMessage;
};

}  // namespace tavmir::gui
