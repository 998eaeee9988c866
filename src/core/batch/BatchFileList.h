// The file list of the batch windows: the paths in the order added, each row's result cells,
// the count captions, and the rules for adding (duplicates refused), removing (a selection,
// everything, the origin file) and keeping the list while its window is closed. The folder
// scan that feeds the list lives here too, and so do the markers that tie a row to its entry
// in the window's log.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tavmir {

// Set: the list of files the "Set Values In Files" window writes values into.
enum class BatchMode { Validate, Compare, Set };

// The image shown in a row's last column.
enum class ResultMark { None, Ok, Orange, Red };

struct BatchRow {
    std::string path;      // as added, in the letter case given
    std::string cells[3];  // validation: Type, Errors, Warnings; comparison: Differences; set:
                           // Result
    ResultMark mark = ResultMark::None;
    bool typeAlert = false;  // the Type cell drawn bold in red

    void clearResults();
};

class BatchFileList {
  public:
    explicit BatchFileList(BatchMode mode) : m_mode(mode) {}

    BatchMode mode() const { return m_mode; }
    std::size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    const BatchRow& row(std::size_t i) const { return m_rows[i]; }
    BatchRow& row(std::size_t i) { return m_rows[i]; }
    std::vector<std::string> paths() const;

    // Grid rows shown: the data rows, or one blank row for an empty list.
    std::size_t gridRows() const { return m_rows.empty() ? 1 : m_rows.size(); }

    // Adds a path unless the list already names that file; true when added.
    bool add(const std::string& path);
    bool contains(std::string_view path) const;

    void clear();
    // Removes the given rows (0-based, any order); returns the row to select afterwards: the
    // lowest removed position, or the last row when the list got shorter than that.
    std::size_t removeRows(std::vector<std::size_t> rows);
    // Removes every row naming the origin file; true when something was removed.
    bool removeOrigin(std::string_view origin);

    // "0 files", "1 file", "2 files" / "With Files (0)".
    std::string caption() const;

    // The first row whose path is exactly `path` / whose number text is `number`.
    std::ptrdiff_t findPath(std::string_view path) const;

  private:
    void rebuildIndex();

    BatchMode m_mode;
    std::vector<BatchRow> m_rows;
    std::unordered_set<std::string> m_keys;  // the same-file keys of the rows
};

// The filters of the batch windows' file dialogs (Add Files, the origin file), in the
// "description|patterns|..." form of the dialogs.
inline constexpr std::string_view kBatchFilesFilter =
    "Subspace Settings (*.cfg, *.set)|*.cfg;*.set|Subspace Settings (*.cfg)|*.cfg|Subspace "
    "Settings (*.set)|*.set|All Files (*.*)|*.*";

// The list a window keeps while it is closed (the comparison window's origin first); the
// windows' owner keeps it for the whole run of the program.
struct RetainedBatchLists {
    std::vector<std::string> validation;
    std::vector<std::string> comparison;  // origin text first when anything was kept
    std::vector<std::string> setting;
};

// What a window keeps when it closes.
std::vector<std::string> listToRetain(const BatchFileList& list, std::string_view originText);
// What a window restores on opening: every entry that still names an existing file, in order
// (for the comparison window the first entry is the origin and is checked the same way).
struct RestoredList {
    std::string origin;
    std::vector<std::string> files;
};
RestoredList restoreList(BatchMode mode, const std::vector<std::string>& kept,
                         const std::function<bool(const std::string&)>& exists);

// ---- folders ----

// The four choices of the add-folder dialog.
enum class FolderFilter { CfgAndSet, Cfg, Set, All };
std::string_view folderFilterText(FolderFilter filter);  // "CFG_SET", "CFG", "SET", "*"
// Whether a file name is taken by a filter text ("*", "CFG_SET", "CFG", "SET"; other: none).
bool filterTakes(std::string_view filterText, std::string_view name);

// The add-folder dialog's settings; the windows' owner keeps them for the whole run.
struct AddFolderSettings {
    std::string folder;
    FolderFilter filter = FolderFilter::CfgAndSet;
    bool includeSubfolders = false;
};

// The message refusing a folder text in the add-folder dialog, empty when it is accepted:
// "Select folder" for an empty text, TEXT + " is not a valid folder" when it names no folder.
std::string addFolderRefusal(std::string_view trimmedFolder);
bool isExistingFolder(const std::string& path);

// Scans a folder: every file of the folder taken by the filter, in name order, then (with
// subfolders) each subfolder in name order, depth first. Folders reached twice (links) are
// skipped and the walk keeps its own stack, so a link loop or a huge tree neither hangs nor
// overflows. `take` receives each full path; `yield` runs after each file taken and between
// folders. Unreadable folders contribute nothing.
void scanFolder(const std::string& folder, std::string_view filterText, bool includeSubfolders,
                const std::function<void(const std::string&)>& take,
                const std::function<void()>& yield = {});

// ---- grid and log ----

// The text the log is searched for to find row i's entry (0-based row).
std::string logMarkerOfRow(const BatchFileList& list, std::size_t i);
// The row a log line names, or -1: a validation line holding ". Validating " names the row
// whose path equals the rest of the line; a comparison line holding ". Comparing" the row whose
// number equals the text before it; a line "N. Setting PATH" of setting values names row N.
std::ptrdiff_t rowOfLogLine(const BatchFileList& list, std::string_view line);
// The line of `text` that holds position `pos` (from after the previous LF to the next CR).
std::string_view lineAt(std::string_view text, std::size_t pos);

}  // namespace tavmir
