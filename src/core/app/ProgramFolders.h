// Where the program's files live. The catalogue (mset.dat, template.dat) lies beside the program
// in a portable copy or a build, and in <program folder>/../share/tavmir/ in an installed one
// (bin/tavmir). The preferences (tavmir.ini) and the recent-files list (recent.dat) stay in the
// program's folder for a portable copy whose folder can be written; otherwise they live in the
// user's configuration folder, $XDG_CONFIG_HOME/tavmir/ (by default ~/.config/tavmir/), or
// %APPDATA%\Tavmir\ on Windows, created when needed. When no such folder can be had, the program
// runs with the default preferences and keeps nothing, and says so once.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/Status.h"

namespace tavmir {

inline constexpr const char* kInstalledDataFolder = "../share/tavmir";

struct ProgramFolders {
    std::filesystem::path program;      // the folder of the running program
    std::filesystem::path catalogue;    // holds mset.dat and template.dat
    std::filesystem::path preferences;  // holds tavmir.ini and recent.dat; empty: none are kept
    std::string notice;                 // why nothing is kept, when preferences is empty
};

// Whose rules name the user's configuration folder.
enum class FolderRules {
    Xdg,      // $XDG_CONFIG_HOME/tavmir, else $HOME/.config/tavmir
    Windows,  // %APPDATA%\Tavmir
};
#ifdef _WIN32
inline constexpr FolderRules kNativeFolderRules = FolderRules::Windows;
#else
inline constexpr FolderRules kNativeFolderRules = FolderRules::Xdg;
#endif

// What the search asks of the system; tests replace parts of it.
struct FolderSystem {
    FolderRules rules = kNativeFolderRules;
    std::function<bool(const std::filesystem::path&)> isRegularFile;
    std::function<bool(const std::filesystem::path&)> isWritableFolder;
    std::function<std::optional<std::string>(const char* name)> environment;
    // Creates the folder and its parents when missing (failing with the system's reason).
    std::function<Status(const std::filesystem::path&)> createFolder;

    static FolderSystem real();
};

// The folder holding the catalogue: the program's folder when mset.dat lies there, else the
// installed data folder when mset.dat lies there, else the program's folder (whose missing
// mset.dat the catalogue then reports).
std::filesystem::path catalogueFolder(const std::filesystem::path& programFolder,
                                      const FolderSystem& system);

// All three folders; the preferences folder is created when it is the user's one.
ProgramFolders locateProgramFolders(const std::filesystem::path& programFolder,
                                    const FolderSystem& system);

// The notice shown once when the preferences cannot be kept, with the reason.
std::string preferencesNotKeptMessage(const std::string& reason);

}  // namespace tavmir
