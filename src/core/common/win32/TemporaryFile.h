// The temporary file a save writes before it takes the target's place, in the target's own
// folder under a short name (TemporaryName.h): the target's kept name first, so that a save
// that was killed leaves nothing behind for long, else a fresh one. A save holds its temporary
// file open and locked (Win32.h tryLock); a file under the kept name that another running
// program holds is left alone. Windows side of the door only.
#pragma once

#include <filesystem>
#include <string>

#include "common/FileWrite.h"
#include "common/win32/Win32.h"

namespace tavmir::win32 {

class TemporaryFile {
  public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    // Removes the file unless it took its target's place.
    ~TemporaryFile() { discard(); }

    // Creates (or takes over) the temporary file for target, empty. Stage Open on failure.
    WriteStep create(const std::filesystem::path& target);
    HANDLE handle() const { return m_file.get(); }
    int createError() const { return m_error; }

    // Closes the file and puts it in target's place: ReplaceFileW for a file that exists (it
    // keeps the target's attributes and security), else a move that reaches the disk.
    WriteStep commit(const std::filesystem::path& target, bool targetExists);
    // Renames it to target (which is not replaced by anything else meanwhile) and opens it
    // again, locked: the returned handle is the caller's.
    tl::expected<Handle, WriteError> commitKeepingLock(const std::filesystem::path& target);

    // Closes and removes the file.
    void discard();

  private:
    enum class Claim { Taken, TryAnother, Failed };
    Claim claim(const std::wstring& name, bool takeOver);

    Handle m_file;
    std::wstring m_path;  // empty once it took the target's place or was removed
    int m_error = 0;
};

}  // namespace tavmir::win32
