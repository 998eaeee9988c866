#include "common/StateFolder.h"

#include <cerrno>

#include "common/SystemError.h"
#include "common/win32/Win32.h"

namespace tavmir {
namespace {

// The value of an environment variable, as UTF-8; empty when unset.
std::string environmentText(const wchar_t* name) {
    const DWORD n = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    const DWORD got = ::GetEnvironmentVariableW(name, value.data(), n);
    if (got == 0 || got >= n) return {};
    value.resize(got);
    return win32::utf8Of(value);
}

// A folder made for the program's state, or one already there; 0 or the error number.
int haveFolder(const std::filesystem::path& folder) {
    const std::wstring wide = win32::widePath(folder);
    if (::CreateDirectoryW(wide.c_str(), nullptr)) return 0;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return win32::lastErrorNumber();
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return win32::lastErrorNumber();
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : ENOTDIR;
}

}  // namespace

std::filesystem::path stateFolder() {
    // XDG_STATE_HOME, when set, wins here too: the tests and scripts choose the folder so.
    if (const std::string xdg = environmentText(L"XDG_STATE_HOME"); !xdg.empty())
        return std::filesystem::path(xdg) / "tavmir";
    if (const std::string local = environmentText(L"LOCALAPPDATA"); !local.empty())
        return std::filesystem::path(local) / "Tavmir";
    return {};
}

tl::expected<std::filesystem::path, std::string> stateSubfolder(std::string_view name) {
    const std::filesystem::path folder = stateFolder();
    if (folder.empty())
        return tl::unexpected(std::string("No local application data folder to keep state in"));
    const std::filesystem::path sub = folder / name;
    int err = haveFolder(folder);
    if (err == 0) err = haveFolder(sub);
    if (err != 0) return tl::unexpected(systemErrorText(err));
    return sub;
}

}  // namespace tavmir
