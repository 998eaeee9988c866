// What an editor knows of its file on disk, so that it notices when another program changes,
// replaces, renames away or deletes it, and what it then tells the user. The identity the
// editor remembers is the file as the editor last read or wrote it; every later look compares
// the file with it (size, time, inode and a hash of the bytes, see FileIdentity).
//
// A change is told once: after the user has been told about (or asked about) one state of the
// file, the same state is not told again; a further change is. Save asks separately, every
// time, before it writes over a change made on disk since the file was opened or last saved.
#pragma once

#include <optional>
#include <string>

#include "common/FileIdentity.h"

namespace tavmir {

enum class DiskNoticeKind {
    None,        // nothing to tell
    Reload,      // the file changed: `text` asks whether to reload it (Yes/No, No preselected)
    Deleted,     // the file is gone: `text` says so; the editor keeps its values
    NotRegular,  // a folder, FIFO or device stands in its place: told, never read
    Unreadable,  // it changed and cannot be read now: told with the system's reason
};

struct DiskNotice {
    DiskNoticeKind kind = DiskNoticeKind::None;
    std::string text;
};

class DiskWatch {
  public:
    // The file at path as it is now (looked at again).
    void remember(const std::string& path);
    // The file as the editor read or wrote it: the identity of those very bytes, so that a
    // change another program makes right after is never taken for the editor's own.
    void remember(const FileIdentity& identity);
    // Nothing known (an editor whose file was never read).
    void forget();
    bool known() const { return m_knownSet; }
    // The identity remembered (meaningful while known()).
    const FileIdentity& identity() const { return m_known; }

    // What to tell about the file at path now; `modified` says whether the editor holds
    // changes that are not saved (a reload would lose them).
    DiskNotice check(const std::string& path, bool modified);

    // The question Save asks before writing to path; none when the file on disk is the one the
    // editor knows, or is gone (writing it again loses nothing).
    std::optional<std::string> overwriteQuestion(const std::string& path) const;

  private:
    FileIdentity m_known;
    bool m_knownSet = false;
    std::optional<FileIdentity> m_told;  // the state last told about
};

}  // namespace tavmir
