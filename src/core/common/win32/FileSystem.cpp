#include "common/FileSystem.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>

#include "common/SystemError.h"
#include "common/win32/Win32.h"

namespace tavmir {

std::uint64_t currentProcessId() { return ::GetCurrentProcessId(); }

Status removeFile(const std::filesystem::path& path) {
    if (::DeleteFileW(win32::widePath(path).c_str())) return {};
    const int err = win32::lastErrorNumber();
    if (err == ENOENT) return {};
    return failedWith(systemErrorText(err));
}

bool folderIsWritable(const std::filesystem::path& folder) {
    const std::wstring wide = win32::widePath(folder);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A folder's read-only attribute does not stop new files; its permissions do. Asked of
    // the system by making a file there, which goes as soon as it is closed.
    const std::wstring probe = wide + L"\\tavmir-write-probe.tmp";
    const win32::Handle h(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                        nullptr));
    return h.valid();
}

std::tm localTimeOf(std::time_t t) {
    std::tm local{};
    localtime_s(&local, &t);
    return local;
}

std::filesystem::path runningProgramFile() {
    std::wstring name(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0 || n >= name.size()) return {};
    name.resize(n);
    return std::filesystem::path(win32::utf8Of(name));
}

void writeStandardStreamsAsBytes() {
    ::_setmode(1, _O_BINARY);
    ::_setmode(2, _O_BINARY);
}

}  // namespace tavmir
