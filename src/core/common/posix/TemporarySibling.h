// The temporary file a save writes before it renames it over the target, in the target's own
// folder (a rename does not cross file systems) and under a short name, so that a target whose
// name is near the length limit saves too.
//
// The name tried first is the target's kept name (keptTemporaryName): a save that was killed
// leaves its temporary file under that name, and the next save of the same file takes it over,
// so nothing stays behind. A save holds an exclusive lock (flock) on its temporary file until
// the rename is done; a file under the kept name that is locked belongs to a save running now
// and is left alone (a fresh random name is used instead), and an unlocked one is a leftover.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "common/FileWrite.h"

namespace tavmir {

class TemporarySibling {
  public:
    TemporarySibling() = default;
    TemporarySibling(const TemporarySibling&) = delete;
    TemporarySibling& operator=(const TemporarySibling&) = delete;
    // Removes the file unless it was renamed over its target.
    ~TemporarySibling();

    // Creates (or takes over) the temporary file for target, empty, with the given permission
    // bits (the umask applies). Fails at stage Open with the system's reason.
    WriteStep create(const std::filesystem::path& target, mode_t mode);

    int fd() const { return m_fd; }
    // The errno of a failed create (0 when it failed for want of a free name).
    int createError() const { return m_error; }

    // Closes the file (a failure is stage Close), renames it over target (stage Close), and
    // only then lets go of the lock.
    WriteStep commit(const std::filesystem::path& target);
    // As commit, but the lock is kept: the returned descriptor (open and locked on the renamed
    // file) is the caller's to close. -1 with the failure when it failed.
    tl::expected<int, WriteError> commitKeepingLock(const std::filesystem::path& target);

    // Closes and removes the file.
    void discard();

  private:
    enum class Claim { Taken, TryAnother, Failed };
    Claim claim(const std::string& name, mode_t mode, bool takeOver);

    int m_fd = -1;
    std::string m_path;  // empty once renamed over the target or removed
    int m_error = 0;     // why the last claim failed
};

}  // namespace tavmir
