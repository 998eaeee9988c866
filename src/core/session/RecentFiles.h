// The recent-files list: the 8 files opened or saved last, most recent first, kept in
// recent.dat in the preferences folder (see ProgramFolders) and shown as numbered items of the
// File menu.
//
// recent.dat is plain text, one full path per line, each line ended by CR LF, most recent
// first, at most 8 lines. Reading also accepts lines ended by a bare CR or LF, skips empty
// lines and drops entries whose file no longer exists. The list is written at every change,
// by replacing the whole file atomically, so a failed write leaves the previous list on disk.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Status.h"

namespace tavmir {

inline constexpr int kMaxRecentFiles = 8;
inline constexpr std::string_view kRecentFileName = "recent.dat";
// Eight paths need a few kilobytes; a larger file is not read (a stray huge file costs nothing).
inline constexpr std::size_t kRecentReadLimit = 1024 * 1024;
inline constexpr std::string_view kRecentTooLarge =
    "The file is too large to be a recent-files list";
// Paths of at least this many characters are shortened in the menu.
inline constexpr std::size_t kRecentCaptionLongPath = 54;

class RecentFiles {
  public:
    // recentPath: RecentPath, the preferences folder followed by recent.dat; empty when the list
    // cannot be kept (load finds nothing, save writes nothing).
    explicit RecentFiles(std::filesystem::path recentPath);

    const std::filesystem::path& recentPath() const { return m_recentPath; }
    // Position 0 first; never more than kMaxRecentFiles.
    const std::vector<std::string>& entries() const { return m_entries; }
    // The entry at a position, or "" for an empty or invalid position.
    std::string entry(int position) const;

    // Replaces the list by recent.dat's entries whose files exist. A missing file gives an
    // empty list; an unreadable one (a folder or FIFO in its place, a file larger than
    // kRecentReadLimit) an empty list and fails with the reason.
    Status load();
    // Puts path first (an entry for the same file moves up, taking path's spelling; otherwise
    // the oldest entry drops off the end), then saves, failing with the reason nothing was
    // saved; a path that cannot be stored as one line (empty, CR, LF or NUL) is not added.
    Status addToFront(const std::string& path);
    // Writes the list to recent.dat (failing with the system's reason: recent.dat is then
    // unchanged).
    Status save() const;

    // The File menu items for the entries, in order (see recentMenuCaption).
    std::vector<std::string> menuCaptions() const;
    // The separator above the items shows while the list is not empty.
    bool separatorVisible() const { return !m_entries.empty(); }

  private:
    std::filesystem::path m_recentPath;
    std::vector<std::string> m_entries;
};

// The entries of recent.dat's text, in order, at most kMaxRecentFiles, keeping the lines for
// which exists says yes.
std::vector<std::string> recentEntriesOfText(std::string_view bytes,
                                             const std::function<bool(const std::string&)>& exists);

// The menu caption of the entry at position (0-based): "&", position + 1, a blank, then the
// path when shorter than 54 characters, else its first 25 characters, "..." and its last 25.
// An "&" of the path is doubled so that the menu shows it instead of taking it as an access key.
std::string recentMenuCaption(int position, std::string_view path);

}  // namespace tavmir
