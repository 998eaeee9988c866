#include "common/win32/Win32.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cwchar>
#include <string_view>

namespace tavmir::win32 {
namespace {

// Paths this long and longer take the "\\?\" form (MAX_PATH less room for a file name's end).
constexpr std::size_t kLongPath = 240;

// 100-nanosecond intervals from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochOffset = 116444736000000000LL;

std::uint64_t joined(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// Whether a folder on the way to path is a file: the system says only that the path was not
// found, where other systems say "Not a directory".
bool throughAFile(const std::wstring& path) {
    std::wstring up = path;
    for (;;) {
        const std::size_t slash = up.find_last_of(L'\\');
        if (slash == std::wstring::npos || slash == 0) return false;
        up.resize(slash);
        const DWORD attributes = ::GetFileAttributesW(up.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
}

}  // namespace

std::wstring widePath(const std::string& utf8) {
    if (utf8.empty() || utf8.find('\0') != std::string::npos) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                        static_cast<int>(utf8.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                          wide.data(), n);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\")) return wide;
    // Made absolute here, as every system call of the door wants it (some of them, such as
    // ReplaceFileW, refuse a bare file name); a long one gets the "\\?\" form, which takes
    // no "." or "..": the full path has none.
    const DWORD full = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (full == 0) return wide;
    std::wstring absolute(full, L'\0');
    const DWORD got = ::GetFullPathNameW(wide.c_str(), full, absolute.data(), nullptr);
    if (got == 0 || got >= full) return wide;
    absolute.resize(got);
    if (absolute.size() < kLongPath) return absolute;
    if (absolute.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + absolute.substr(2);
    return L"\\\\?\\" + absolute;
}

std::string textOf(const std::filesystem::path& path) {
    // The C++ library made the path from a narrow text one byte at a time in the C runtime's
    // current locale: the same conversion back gives the bytes. A character it cannot take
    // back, or bytes that are no UTF-8, mean a name the system gave.
    const std::wstring& native = path.native();
    std::string bytes;
    bytes.reserve(native.size());
    std::mbstate_t state{};
    char one[MB_LEN_MAX];
    for (const wchar_t c : native) {
        const std::size_t n = std::wcrtomb(one, c, &state);
        if (n != 1) return utf8Of(native);
        bytes += one[0];
    }
    if (!bytes.empty() && ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) <= 0)
        return utf8Of(native);
    return bytes;
}

std::string utf8Of(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                          nullptr, nullptr);
    return out;
}

bool namesDevice(const std::string& utf8) {
    std::string p = utf8;
    std::replace(p.begin(), p.end(), '/', '\\');
    if (p.starts_with("\\\\.\\") || p.starts_with("\\\\?\\GLOBALROOT")) return true;
    // The last part, up to its first dot and without trailing spaces, in upper case.
    const std::size_t slash = p.find_last_of("\\:");
    std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name == "CON" || name == "NUL" || name == "AUX" || name == "PRN" || name == "CONIN$" ||
        name == "CONOUT$")
        return true;
    return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) &&
           name[3] >= '1' && name[3] <= '9';
}

int errorNumber(DWORD code) {
    switch (code) {
        case ERROR_SUCCESS:
            return 0;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_NETWORK_ACCESS_DENIED:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_DIR_NOT_EMPTY:
            return ENOTEMPTY;
        case ERROR_INVALID_NAME:
            return EINVAL;
        case ERROR_CANT_RESOLVE_FILENAME:
            return ELOOP;
        default:
            return -static_cast<int>(code);
    }
}

Handle openPath(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                DWORD flags) {
    if (path.empty()) {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return Handle();
    }
    Handle h(::CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
    if (!h.valid() && ::GetLastError() == ERROR_PATH_NOT_FOUND && throughAFile(path))
        ::SetLastError(ERROR_DIRECTORY);
    return h;
}

bool statusOfHandle(HANDLE h, OpenStatus& out) {
    out = OpenStatus{};
    switch (::GetFileType(h)) {
        case FILE_TYPE_DISK:
            break;
        case FILE_TYPE_CHAR:
            out.kind = NodeKind::Device;
            return true;
        case FILE_TYPE_PIPE:
            out.kind = NodeKind::Fifo;
            return true;
        default:
            if (::GetLastError() != NO_ERROR) return false;
            out.kind = NodeKind::Other;
            return true;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(h, &info)) return false;
    out.kind =
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? NodeKind::Folder : NodeKind::Regular;
    out.stamp.size = joined(info.nFileSizeHigh, info.nFileSizeLow);
    const auto ticks = static_cast<std::int64_t>(
        joined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    out.stamp.modifiedNs = (ticks - kEpochOffset) * 100;
    out.stamp.device = info.dwVolumeSerialNumber;
    out.stamp.inode = joined(info.nFileIndexHigh, info.nFileIndexLow);
    out.links = info.nNumberOfLinks;
    out.readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    return true;
}

bool readAt(HANDLE h, char* buffer, DWORD size, std::uint64_t offset, DWORD& done) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    done = 0;
    if (::ReadFile(h, buffer, size, &done, &at)) return true;
    // Reading at or past the end is the end, not a failure.
    if (::GetLastError() == ERROR_HANDLE_EOF) {
        done = 0;
        return true;
    }
    return false;
}

bool writeAllAt(HANDLE h, const char* bytes, std::size_t size, std::uint64_t offset) {
    std::size_t written = 0;
    while (written < size) {
        OVERLAPPED at{};
        const std::uint64_t where = offset + written;
        at.Offset = static_cast<DWORD>(where);
        at.OffsetHigh = static_cast<DWORD>(where >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - written, 1u << 30));
        DWORD n = 0;
        if (!::WriteFile(h, bytes + written, chunk, &n, &at)) return false;
        if (n == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += n;
    }
    return true;
}

bool truncateAt(HANDLE h, std::uint64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFileInformationByHandle(h, FileEndOfFileInfo, &end, sizeof end) != 0;
}

int descriptorOf(HANDLE h, bool writable) {
    return ::_open_osfhandle(reinterpret_cast<intptr_t>(h),
                             (writable ? _O_RDWR : _O_RDONLY) | _O_BINARY | _O_NOINHERIT);
}

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

bool tryLock(HANDLE h, bool exclusive) {
    OVERLAPPED at{};
    at.Offset = 0;
    at.OffsetHigh = 0x7fffffff;
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return ::LockFileEx(h, flags, 0, 1, 0, &at) != 0;
}

}  // namespace tavmir::win32
