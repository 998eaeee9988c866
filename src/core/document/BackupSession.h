// When an editor keeps the original of its file (see OriginalBackup): at the first save of an
// editing session over a file that is there, and not again for a file the session has written
// already, so FILE.bak always holds the file as it was before this editor first replaced it.
// A session starts when a file is opened into the editor or reloaded; Save As onto another
// file that exists keeps that file's original too.
#pragma once

#include <string>
#include <vector>

namespace tavmir {

class BackupSession {
  public:
    // A file was opened or reloaded: nothing written yet.
    void start() { m_written.clear(); }
    // Whether a save to path is to keep the original first (keepOriginals: the preference).
    bool keepsOriginalOf(const std::string& path, bool keepOriginals) const;
    // The session wrote path.
    void wrote(const std::string& path);

  private:
    // Every file this session wrote (Save As may go back and forth); empty before the first.
    std::vector<std::string> m_written;
};

}  // namespace tavmir
