// What the windows of one run share: the catalogue, the program's folders, the process-wide
// preferences, what the batch windows keep between their openings, the editor's page fonts
// and the main window's transient message. One context lives for the run; a fresh one starts with
// nothing kept.
#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/Preferences.h"
#include "app/ProgramFolders.h"
#include "batch/BatchFileList.h"
#include "catalogue/Catalogue.h"
#include "document/EditorDocument.h"
#include "editor/PageFont.h"

namespace tavmir {
class MainModule;
struct RecoveryKeeping;
}  // namespace tavmir

namespace tavmir::gui {

struct GuiContext {
    std::shared_ptr<const Catalogue> catalogue;
    // The program's folder; a portable copy keeps all its files in it.
    std::filesystem::path programFolder;
    // Set at start-up: where the catalogue and the preferences really are (ProgramFolders).
    // Unset, everything lies in programFolder.
    std::optional<ProgramFolders> folders;
    Preferences preferences;           // changed by the preferences dialog
    MainModule* mainModule = nullptr;  // owned by the main window
    // The batch windows' lists while they are closed, and what the add-folder dialog was left
    // with; nothing is written to disk.
    RetainedBatchLists batchLists;
    AddFolderSettings addFolder;
    // The transient confirmation window (two lines, shown for `milliseconds`,
    // or only a pause when the window message is disabled).
    std::function<void(const QString& line1, const QString& line2, int milliseconds)> showMessage;
    // Whether editors watch their files on disk by themselves (a file-system watcher, and a look
    // when the program is activated). GUI tests turn it off and make those looks themselves, so
    // the questions come at known moments; the look before every save is always taken.
    bool watchFilesOnDisk = true;
    // Where the editors keep the journals of their unsaved changes; none kept when null (GUI
    // tests that do not ask for them).
    std::shared_ptr<RecoveryKeeping> recovery;
    // How long after a change of an editor's values its journal is written, at most.
    int journalDelayMilliseconds = 1000;
    // The values of files gone from disk that are being recovered from their journals: the
    // editor opening such a path reads them instead of the file.
    std::map<std::string, SettingsReader> recoveredFiles;
    // The editor's page fonts, measured once for the run.
    PageFontCache pageFonts;

    // Holds mset.dat and template.dat.
    const std::filesystem::path& catalogueFolder() const {
        return folders ? folders->catalogue : programFolder;
    }
    // Holds tavmir.ini and recent.dat; empty when neither can be kept.
    const std::filesystem::path& preferencesFolder() const {
        return folders ? folders->preferences : programFolder;
    }
};

}  // namespace tavmir::gui
