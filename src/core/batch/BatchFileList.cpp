#include "batch/BatchFileList.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

#include "common/FileRead.h"
#include "common/SamePath.h"
#include "common/Text.h"

namespace tavmir {

namespace fs = std::filesystem;

void BatchRow::clearResults() {
    for (std::string& c : cells) c.clear();
    mark = ResultMark::None;
    typeAlert = false;
}

std::vector<std::string> BatchFileList::paths() const {
    std::vector<std::string> out;
    out.reserve(m_rows.size());
    for (const BatchRow& r : m_rows) out.push_back(r.path);
    return out;
}

bool BatchFileList::contains(std::string_view path) const {
    return m_keys.count(sameFileKey(path)) != 0;
}

bool BatchFileList::add(const std::string& path) {
    if (path.empty()) return false;
    if (!m_keys.insert(sameFileKey(path)).second) return false;
    m_rows.push_back(BatchRow{path, {}, ResultMark::None, false});
    return true;
}

void BatchFileList::clear() {
    m_rows.clear();
    m_keys.clear();
}

void BatchFileList::rebuildIndex() {
    m_keys.clear();
    for (const BatchRow& r : m_rows) m_keys.insert(sameFileKey(r.path));
}

std::size_t BatchFileList::removeRows(std::vector<std::size_t> rows) {
    if (m_rows.empty()) return 0;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    while (!rows.empty() && rows.back() >= m_rows.size()) rows.pop_back();
    if (rows.empty()) return 0;
    const std::size_t lowest = rows.front();
    std::vector<BatchRow> kept;
    kept.reserve(m_rows.size() - rows.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (next < rows.size() && rows[next] == i) {
            ++next;
            continue;
        }
        kept.push_back(std::move(m_rows[i]));
    }
    m_rows = std::move(kept);
    rebuildIndex();
    if (m_rows.empty()) return 0;
    return std::min(lowest, m_rows.size() - 1);
}

bool BatchFileList::removeOrigin(std::string_view origin) {
    const std::string_view trimmed = trimSpaces(origin);
    if (trimmed.empty()) return false;
    const std::string key = sameFileKey(trimmed);
    if (!m_keys.count(key)) return false;
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (sameFileKey(m_rows[i].path) == key) rows.push_back(i);
    removeRows(rows);
    return true;
}

std::string BatchFileList::caption() const {
    const std::string n = std::to_string(m_rows.size());
    if (m_mode == BatchMode::Compare) return "With Files (" + n + ")";
    return n + (m_rows.size() == 1 ? " file" : " files");
}

std::ptrdiff_t BatchFileList::findPath(std::string_view path) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].path == path) return static_cast<std::ptrdiff_t>(i);
    return -1;
}

std::vector<std::string> listToRetain(const BatchFileList& list, std::string_view originText) {
    std::vector<std::string> kept;
    // The comparison keeps its origin first, the setting of values the values' text.
    if (list.mode() == BatchMode::Compare) kept.emplace_back(trimSpaces(originText));
    if (list.mode() == BatchMode::Set) kept.emplace_back(originText);
    for (std::size_t i = 0; i < list.size(); ++i) kept.push_back(list.row(i).path);
    return kept;
}

RestoredList restoreList(BatchMode mode, const std::vector<std::string>& kept,
                         const std::function<bool(const std::string&)>& exists) {
    RestoredList out;
    std::size_t first = 0;
    if (mode == BatchMode::Compare && !kept.empty()) {
        if (!kept[0].empty() && exists(kept[0])) out.origin = kept[0];
        first = 1;
    }
    for (std::size_t i = first; i < kept.size(); ++i)
        if (exists(kept[i])) out.files.push_back(kept[i]);
    return out;
}

// ---- folders ----

std::string_view folderFilterText(FolderFilter filter) {
    switch (filter) {
        case FolderFilter::CfgAndSet:
            return "CFG_SET";
        case FolderFilter::Cfg:
            return "CFG";
        case FolderFilter::Set:
            return "SET";
        case FolderFilter::All:
            return "*";
    }
    return "CFG_SET";
}

bool filterTakes(std::string_view filterText, std::string_view name) {
    if (filterText == "*") return true;
    const std::string ext = toLowerAscii(name.size() >= 4 ? name.substr(name.size() - 4) : name);
    if (filterText == "CFG_SET") return ext == ".cfg" || ext == ".set";
    if (filterText == "CFG") return ext == ".cfg";
    if (filterText == "SET") return ext == ".set";
    return false;
}

bool isExistingFolder(const std::string& path) { return nodeKindOf(path) == NodeKind::Folder; }

std::string addFolderRefusal(std::string_view trimmedFolder) {
    if (trimmedFolder.empty()) return "Select folder";
    if (!isExistingFolder(std::string(trimmedFolder)))
        return std::string(trimmedFolder) + " is not a valid folder";
    return {};
}

namespace {

struct FolderId {
    std::uint64_t dev;
    std::uint64_t ino;
    bool operator<(const FolderId& o) const { return dev != o.dev ? dev < o.dev : ino < o.ino; }
};

bool folderId(const std::string& path, FolderId& id) {
    const NodeStatus status = nodeStatusOf(path);
    if (status.kind != NodeKind::Folder) return false;
    id = FolderId{status.stamp.device, status.stamp.inode};
    return true;
}

// The names of a folder's files and subfolders, each sorted; nothing when it cannot be read.
void listFolder(const std::string& folder, std::vector<std::string>& files,
                std::vector<std::string>& folders) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeEc;
        if (it->is_directory(typeEc))
            folders.push_back(name);
        else
            files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    std::sort(folders.begin(), folders.end());
}

}  // namespace

void scanFolder(const std::string& folder, std::string_view filterText, bool includeSubfolders,
                const std::function<void(const std::string&)>& take,
                const std::function<void()>& yield) {
    if (folder.empty()) return;
    std::set<FolderId> visited;
    std::vector<std::string> stack{folder};
    std::vector<std::string> files, folders;
    while (!stack.empty()) {
        const std::string current = std::move(stack.back());
        stack.pop_back();
        FolderId id{};
        if (!folderId(current, id) || !visited.insert(id).second) continue;
        files.clear();
        folders.clear();
        listFolder(current, files, folders);
        const std::string prefix = current == "/" ? current : current + "/";
        for (const std::string& name : files) {
            if (!filterTakes(filterText, name)) continue;
            take(prefix + name);
            if (yield) yield();
        }
        if (!includeSubfolders) break;
        // Pushed last-first so the first subfolder is scanned next.
        for (auto it = folders.rbegin(); it != folders.rend(); ++it) stack.push_back(prefix + *it);
        if (yield) yield();
    }
}

// ---- grid and log ----

namespace {
constexpr std::string_view kValidatingMarker = ". Validating ";
constexpr std::string_view kComparingMarker = ". Comparing";
constexpr std::string_view kSettingMarker = ". Setting ";
}  // namespace

std::string logMarkerOfRow(const BatchFileList& list, std::size_t i) {
    if (i >= list.size()) return {};
    if (list.mode() == BatchMode::Validate)
        return std::string(kValidatingMarker) + list.row(i).path;
    if (list.mode() == BatchMode::Set)
        return std::to_string(i + 1) + std::string(kSettingMarker) +
               printableText(list.row(i).path);
    return std::to_string(i + 1) + std::string(kComparingMarker);
}

std::ptrdiff_t rowOfLogLine(const BatchFileList& list, std::string_view line) {
    if (list.mode() == BatchMode::Set) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (line == logMarkerOfRow(list, i)) return static_cast<std::ptrdiff_t>(i);
        return -1;
    }
    if (list.mode() == BatchMode::Validate) {
        const std::size_t at = line.find(kValidatingMarker);
        if (at == std::string_view::npos) return -1;
        return list.findPath(line.substr(at + kValidatingMarker.size()));
    }
    const std::size_t at = line.find(kComparingMarker);
    if (at == std::string_view::npos) return -1;
    const std::string_view number = line.substr(0, at);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (std::to_string(i + 1) == number) return static_cast<std::ptrdiff_t>(i);
    return -1;
}

std::string_view lineAt(std::string_view text, std::size_t pos) {
    pos = std::min(pos, text.size());
    const std::size_t lf = pos == 0 ? std::string_view::npos : text.rfind('\n', pos - 1);
    const std::size_t begin = lf == std::string_view::npos ? 0 : lf + 1;
    std::size_t end = text.find('\r', begin);
    const std::size_t nl = text.find('\n', begin);
    if (nl < end) end = nl;
    return text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

}  // namespace tavmir
