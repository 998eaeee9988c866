// The door's Windows side, shared by its files (win32/ only): paths from the program's UTF-8
// to the system's wide form, handles that close themselves, the file status the door keeps,
// and the system's errors in the program's terms.
//
// Paths are UTF-8 everywhere in the program. The C++ library of this compiler makes a
// std::filesystem::path from a narrow text byte by byte, in the C runtime's locale, but gives
// path.string() back in UTF-8, so a path made from the program's UTF-8 text is neither the
// system's name nor the text again. The door therefore takes a path's text itself (textOf:
// the bytes back, or the real name of a path the system gave) and converts it with CP_UTF8.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/FileRead.h"

namespace tavmir::win32 {

// The wide form of a UTF-8 path for the -W functions: "/" becomes "\", the path is made
// absolute and normal ("." and ".." resolved), and one too long for the old limit (MAX_PATH)
// gets the "\\?\" form, which lifts it. Empty when the text is not UTF-8 or holds a NUL.
std::wstring widePath(const std::string& utf8);

// The UTF-8 text of a path, made from a narrow text or read from the system.
std::string textOf(const std::filesystem::path& path);
inline std::wstring widePath(const std::filesystem::path& path) { return widePath(textOf(path)); }

// UTF-8 of a wide text from the system.
std::string utf8Of(const std::wstring& wide);

// Whether a path names a device by itself: "\\.\..." or "\\?\GLOBALROOT...", or a reserved
// DOS name (CON, NUL, AUX, PRN, COM1-9, LPT1-9, with or without an extension) in any folder.
bool namesDevice(const std::string& utf8);

// An errno value for the Win32 error code where one says the same (ERROR_FILE_NOT_FOUND is
// ENOENT), so that the texts and the program's decisions are those of every other system;
// else the negated code, which systemErrorText words with the system's English message.
int errorNumber(DWORD code);
inline int lastErrorNumber() { return errorNumber(::GetLastError()); }

class Handle {
  public:
    Handle() = default;
    explicit Handle(HANDLE h) : m_h(h) {}
    Handle(Handle&& o) noexcept : m_h(o.m_h) { o.m_h = INVALID_HANDLE_VALUE; }
    Handle& operator=(Handle&& o) noexcept {
        if (this != &o) {
            reset();
            m_h = o.m_h;
            o.m_h = INVALID_HANDLE_VALUE;
        }
        return *this;
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { reset(); }
    HANDLE get() const { return m_h; }
    bool valid() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    HANDLE release() {
        HANDLE h = m_h;
        m_h = INVALID_HANDLE_VALUE;
        return h;
    }
    // Closes the handle; false (GetLastError set) when the close itself failed.
    bool reset() {
        bool ok = true;
        if (valid()) ok = ::CloseHandle(m_h) != 0;
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE m_h = INVALID_HANDLE_VALUE;
};

// Every open of the door shares reading, writing and deleting with other programs, as files
// are shared on other systems: a rename or removal by someone else is never refused because
// the program has the file open.
inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens path; the flags as CreateFileW takes them.
Handle openPath(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                DWORD flags = FILE_ATTRIBUTE_NORMAL);

// What an open handle is, with its status.
struct OpenStatus {
    NodeKind kind = NodeKind::Other;
    FileStamp stamp;
    std::uint32_t links = 1;
    bool readOnly = false;
};
// False (GetLastError set) when the system would not say.
bool statusOfHandle(HANDLE h, OpenStatus& out);

// Reads or writes all of bytes at offset; false with GetLastError set on failure.
bool readAt(HANDLE h, char* buffer, DWORD size, std::uint64_t offset, DWORD& done);
bool writeAllAt(HANDLE h, const char* bytes, std::size_t size, std::uint64_t offset);
// Sets the file's end at size.
bool truncateAt(HANDLE h, std::uint64_t size);

// A C runtime descriptor owning h (the door's interface speaks of descriptors on every
// system), and the handle under a descriptor.
int descriptorOf(HANDLE h, bool writable);
HANDLE handleOf(int fd);

// Reads the regular file open on h whole from its start (readOpenFile on a descriptor).
FileReadResult readHandle(HANDLE h, std::uint64_t maxBytes);

// The lock that marks a state file as held by a running program: an exclusive byte-range lock
// far past any real end, so that reading the file is never blocked by it. It goes with the
// handle, however the process ends.
bool tryLock(HANDLE h, bool exclusive);

}  // namespace tavmir::win32
