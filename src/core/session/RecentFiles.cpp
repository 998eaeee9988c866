#include "session/RecentFiles.h"

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "common/SamePath.h"
#include "common/Text.h"

namespace tavmir {
namespace {

bool storableAsLine(std::string_view path) {
    return !path.empty() &&
           path.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool isExistingFile(const std::string& path) { return nodeKindOf(path) == NodeKind::Regular; }

}  // namespace

RecentFiles::RecentFiles(std::filesystem::path recentPath) : m_recentPath(std::move(recentPath)) {}

std::string RecentFiles::entry(int position) const {
    if (position < 0 || position >= static_cast<int>(m_entries.size())) return {};
    return m_entries[static_cast<std::size_t>(position)];
}

Status RecentFiles::load() {
    m_entries.clear();
    if (m_recentPath.empty()) return {};
    const FileReadResult read = readFile(m_recentPath.string(), kRecentReadLimit);
    if (!read) {
        // No list yet is no failure; anything else keeps the list empty and says why.
        if (read.error().failure == ReadFailure::NotFound) return {};
        return failedWith(read.error().failure == ReadFailure::TooLarge
                              ? std::string(kRecentTooLarge)
                              : read.error().reason());
    }
    m_entries = recentEntriesOfText(read->bytes, isExistingFile);
    return {};
}

Status RecentFiles::addToFront(const std::string& path) {
    if (!storableAsLine(path))
        return failedWith("path cannot be stored in " + std::string(kRecentFileName));
    std::size_t found = m_entries.size();
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (samePath(m_entries[i], path)) {
            found = i;
            break;
        }
    }
    if (found < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(found));
    } else if (static_cast<int>(m_entries.size()) >= kMaxRecentFiles) {
        m_entries.pop_back();
    }
    m_entries.insert(m_entries.begin(), path);
    return save();
}

Status RecentFiles::save() const {
    // No file to keep the list in: it lasts for this run (start-up has said so once).
    if (m_recentPath.empty()) return {};
    std::string bytes;
    for (const std::string& path : m_entries) {
        bytes += path;
        bytes += kCrLf;
    }
    const WriteResult result = writeFileSafely(m_recentPath, bytes);
    if (!result) return failedWith(result.error().reason);
    return {};
}

std::vector<std::string> RecentFiles::menuCaptions() const {
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        captions.push_back(recentMenuCaption(static_cast<int>(i), m_entries[i]));
    return captions;
}

std::vector<std::string> recentEntriesOfText(
    std::string_view bytes, const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while (pos < bytes.size() && static_cast<int>(entries.size()) < kMaxRecentFiles) {
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        const std::size_t stop = end == std::string_view::npos ? bytes.size() : end;
        std::string line(bytes.substr(pos, stop - pos));
        pos = stop;
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        if (!line.empty() && exists(line)) entries.push_back(std::move(line));
    }
    return entries;
}

std::string recentMenuCaption(int position, std::string_view path) {
    constexpr std::size_t kKept = 25;
    std::string shown;
    if (path.size() < kRecentCaptionLongPath) {
        shown = path;
    } else {
        shown = std::string(path.substr(0, kKept)) + "..." +
                std::string(path.substr(path.size() - kKept));
    }
    // Built piece by piece: a chain of operator+ trips a false -Wrestrict in GCC 12 at -O3.
    std::string caption = "&";
    caption += decimal(position + 1);
    caption += ' ';
    caption += menuLiteral(shown);
    return caption;
}

}  // namespace tavmir
