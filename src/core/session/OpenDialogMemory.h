// What the open-file dialog remembers from one Open command to the next in a run: the filter
// entry chosen last, and where to start. After a single file, or after a multiple selection of
// which a file was opened, the dialog starts at the last file opened; after a multiple
// selection of which nothing opened, it starts in that selection's folder with the remembered
// filter. A cancelled dialog changes nothing.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

struct FileFilter {
    std::string_view description;
    std::string_view patterns;  // separated by ";"
};

// The dialog's filter list, entries 1..4 in this order.
inline constexpr std::array<FileFilter, 4> kOpenFileFilters{{
    {"Subspace Settings (*.cfg, *.set)", "*.cfg;*.set"},
    {"Subspace Settings (*.cfg)", "*.cfg"},
    {"Subspace Settings (*.set)", "*.set"},
    {"All Files (*.*)", "*.*"},
}};

struct OpenDialogStart {
    std::string startPath;  // a file or a folder; empty before the first open of the run
    int filterIndex = 1;    // 1..4
};

struct OpenDialogChoice {
    std::vector<std::string> paths;  // full paths in the dialog's order
    int filterIndex = 1;             // 1..4
};

class OpenDialogMemory {
  public:
    // Where and with which filter the next dialog starts.
    OpenDialogStart start() const { return {m_startPath, m_filterIndex}; }
    // The user confirmed the dialog; an out-of-range filter entry counts as the first.
    void chosen(const OpenDialogChoice& choice);
    // A file of the run was opened (or found open): the next dialog starts there.
    void opened(const std::string& path) { m_startPath = path; }

  private:
    std::string m_startPath;
    int m_filterIndex = 1;
};

}  // namespace tavmir
