#include "app/ProgramFolders.h"

#include <cstdlib>
#include <system_error>

#include "common/FileRead.h"
#include "common/FileSystem.h"
#include "common/SystemError.h"

namespace tavmir {
namespace {

constexpr const char* kCatalogueProbe = "mset.dat";
constexpr const char* kOwnFolderName = "tavmir";
constexpr const char* kWindowsFolderName = "Tavmir";

// The user's configuration folder for the program, or the reason there is none. An unset,
// empty or relative XDG_CONFIG_HOME counts as unset, as the XDG rules say.
std::optional<std::filesystem::path> userConfigFolder(const FolderSystem& system,
                                                      std::string& reason) {
    if (system.rules == FolderRules::Windows) {
        const std::optional<std::string> appData = system.environment("APPDATA");
        if (!appData || appData->empty()) {
            reason = "APPDATA is not set";
            return std::nullopt;
        }
        return std::filesystem::path(*appData) / kWindowsFolderName;
    }
    const std::optional<std::string> xdg = system.environment("XDG_CONFIG_HOME");
    if (xdg && !xdg->empty() && xdg->front() == '/')
        return std::filesystem::path(*xdg) / kOwnFolderName;
    const std::optional<std::string> home = system.environment("HOME");
    if (!home || home->empty()) {
        reason = "HOME is not set";
        return std::nullopt;
    }
    return std::filesystem::path(*home) / ".config" / kOwnFolderName;
}

}  // namespace

FolderSystem FolderSystem::real() {
    FolderSystem s;
    s.isRegularFile = [](const std::filesystem::path& p) {
        return nodeKindOf(p.string()) == NodeKind::Regular;
    };
    s.isWritableFolder = [](const std::filesystem::path& p) { return folderIsWritable(p); };
    s.environment = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
    s.createFolder = [](const std::filesystem::path& p) -> Status {
        std::error_code ec;
        std::filesystem::create_directories(p, ec);
        if (ec) return failedWith(systemErrorText(ec));
        if (!std::filesystem::is_directory(p, ec))
            return failedWith(systemErrorText(std::make_error_code(std::errc::not_a_directory)));
        return {};
    };
    return s;
}

std::filesystem::path catalogueFolder(const std::filesystem::path& programFolder,
                                      const FolderSystem& system) {
    if (system.isRegularFile(programFolder / kCatalogueProbe)) return programFolder;
    const std::filesystem::path installed =
        (programFolder / kInstalledDataFolder).lexically_normal();
    if (system.isRegularFile(installed / kCatalogueProbe)) return installed;
    return programFolder;
}

ProgramFolders locateProgramFolders(const std::filesystem::path& programFolder,
                                    const FolderSystem& system) {
    ProgramFolders folders;
    folders.program = programFolder;
    folders.catalogue = catalogueFolder(programFolder, system);

    // Only a portable copy (its catalogue beside it) keeps its preferences at home: an
    // installed program's folder is shared, even when the user running it may write there.
    if (folders.catalogue == programFolder && system.isWritableFolder(programFolder)) {
        folders.preferences = programFolder;
        return folders;
    }
    std::string reason;
    const std::optional<std::filesystem::path> config = userConfigFolder(system, reason);
    if (config) {
        const Status made = system.createFolder(*config);
        if (!made)
            reason = config->string() + " cannot be created (" + made.error() + ")";
        else if (!system.isWritableFolder(*config))
            reason = config->string() + " cannot be written";
        else
            folders.preferences = *config;
    }
    if (folders.preferences.empty()) folders.notice = preferencesNotKeptMessage(reason);
    return folders;
}

std::string preferencesNotKeptMessage(const std::string& reason) {
    std::string text = "Preferences and recent files cannot be kept: ";
    text += reason;
    text += ". The default preferences are used for this run.";
    return text;
}

}  // namespace tavmir
