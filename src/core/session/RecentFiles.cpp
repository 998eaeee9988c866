#include "session/RecentFiles.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "common/AtomicFile.h"
#include "common/SamePath.h"
#include "common/SystemError.h"
#include "common/Text.h"

namespace tavmir {
namespace {

bool storableAsLine(std::string_view path) {
    return !path.empty() &&
           path.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool isExistingFile(const std::string& path) {
    if (path.find('\0') != std::string::npos) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

}  // namespace

RecentFiles::RecentFiles(std::filesystem::path recentPath) : m_recentPath(std::move(recentPath)) {}

std::string RecentFiles::entry(int position) const {
    if (position < 0 || position >= static_cast<int>(m_entries.size())) return {};
    return m_entries[static_cast<std::size_t>(position)];
}

std::string RecentFiles::load() {
    m_entries.clear();
    std::error_code ec;
    if (!std::filesystem::exists(m_recentPath, ec)) return {};
    if (!std::filesystem::is_regular_file(m_recentPath, ec))
        return systemErrorText(std::make_error_code(std::errc::is_a_directory));

    std::ifstream in(m_recentPath, std::ios::binary);
    if (!in) return systemErrorText(errno);
    std::string bytes(kRecentReadLimit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return systemErrorText(errno);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    const bool cut = bytes.size() == kRecentReadLimit && in.peek() != std::char_traits<char>::eof();

    m_entries = recentEntriesOfText(bytes, cut, isExistingFile);
    return {};
}

std::string RecentFiles::addToFront(const std::string& path) {
    if (!storableAsLine(path)) return "path cannot be stored in " + std::string(kRecentFileName);
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

std::string RecentFiles::save() const {
    // No file to keep the list in: it lasts for this run (start-up has said so once).
    if (m_recentPath.empty()) return {};
    std::string bytes;
    for (const std::string& path : m_entries) {
        bytes += path;
        bytes += kCrLf;
    }
    const WriteResult result = writeFileAtomically(m_recentPath, bytes);
    return result.ok() ? std::string() : result.reason;
}

std::vector<std::string> RecentFiles::menuCaptions() const {
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        captions.push_back(recentMenuCaption(static_cast<int>(i), m_entries[i]));
    return captions;
}

std::vector<std::string> recentEntriesOfText(
    std::string_view bytes, bool cut, const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while (pos < bytes.size() && static_cast<int>(entries.size()) < kMaxRecentFiles) {
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        // A line cut off by the read limit is not a whole path.
        if (end == std::string_view::npos && cut) break;
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
