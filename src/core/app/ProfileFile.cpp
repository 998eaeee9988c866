#include "app/ProfileFile.h"

#include <system_error>
#include <vector>

#include "common/FileRead.h"
#include "common/FileWrite.h"

namespace tavmir {
namespace {

struct Line {
    std::string_view text;  // without its line end
    std::string_view end;   // "\r\n", "\r", "\n", or empty for a last line without one
};

// Positions in the file of what a lookup is after.
struct Layout {
    std::optional<std::size_t> keyLine;      // first line holding the key in a matching section
    std::optional<std::size_t> sectionLast;  // last non-blank line of the first matching section
};

std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t i = start;
        while (i < content.size() && content[i] != '\r' && content[i] != '\n') ++i;
        std::size_t endLength = 0;
        if (i < content.size()) {
            endLength =
                (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ? 2 : 1;
        }
        lines.push_back({content.substr(start, i - start), content.substr(i, endLength)});
        start = i + endLength;
    }
    return lines;
}

bool isBlankChar(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlankChar(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlankChar(s.back())) s.remove_suffix(1);
    return s;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

// A line's meaning: a section header (name set), a key line (key set), or neither.
struct LineMeaning {
    std::optional<std::string_view> sectionName;
    std::optional<std::string_view> key;
    std::string_view value;
};

LineMeaning interpret(std::string_view text, bool firstLine) {
    // An editor may have saved the file with a UTF-8 byte order mark; it is not part of a name.
    if (firstLine && text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view t = trimBlanks(text);
    LineMeaning m;
    if (t.empty()) return m;
    if (t.front() == '[') {
        const std::string_view inner = t.substr(1);
        m.sectionName = trimBlanks(inner.substr(0, inner.find(']')));
        return m;
    }
    const std::size_t eq = t.find('=');
    m.key = trimBlanks(t.substr(0, eq));
    if (eq != std::string_view::npos) m.value = trimBlanks(t.substr(eq + 1));
    return m;
}

Layout locate(const std::vector<Line>& lines, std::string_view section, std::string_view key,
              std::string_view* value) {
    Layout layout;
    bool inSection = false;
    bool inFirstMatch = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineMeaning m = interpret(lines[i].text, i == 0);
        if (m.sectionName) {
            inSection = equalsIgnoringCase(*m.sectionName, section);
            inFirstMatch = inSection && !layout.sectionLast;
            if (inFirstMatch) layout.sectionLast = i;
            continue;
        }
        if (!inSection || !m.key) continue;
        if (inFirstMatch) layout.sectionLast = i;
        if (!layout.keyLine && equalsIgnoringCase(*m.key, key)) {
            layout.keyLine = i;
            if (value) *value = m.value;
        }
    }
    return layout;
}

bool hasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool storableName(std::string_view name) {
    return !name.empty() && trimBlanks(name).size() == name.size() && !hasLineBreakOrNul(name);
}

enum class LoadOutcome {
    Loaded,
    Missing,
    Unreadable,
};

LoadOutcome loadProfileText(const std::filesystem::path& path, std::string& content,
                            std::string& reason) {
    content.clear();
    FileReadResult read = readFile(path.string(), kProfileFileSizeLimit);
    if (read) {
        content = std::move(read->bytes);
        return LoadOutcome::Loaded;
    }
    switch (read.error().failure) {
        case ReadFailure::NotFound:
            return LoadOutcome::Missing;
        case ReadFailure::NotRegular:
            // A pipe or device is never opened, and a folder has no lines.
            reason = std::string(kNotRegularFileText);
            break;
        case ReadFailure::TooLarge:
            reason = "The file is too large";
            break;
        case ReadFailure::OpenFailed:
        case ReadFailure::ReadFailed:
            reason = read.error().reason();
            break;
    }
    return LoadOutcome::Unreadable;
}

}  // namespace

std::optional<std::string> findProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
    std::string_view value;
    const Layout layout = locate(splitLines(content), section, key, &value);
    if (!layout.keyLine) return std::nullopt;
    return std::string(value);
}

std::optional<std::string> setProfileValue(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value) {
    if (!storableName(section) || section.find(']') != std::string_view::npos) return std::nullopt;
    if (!storableName(key) || key.find('=') != std::string_view::npos || key.front() == '[')
        return std::nullopt;
    if (hasLineBreakOrNul(value)) return std::nullopt;

    const std::vector<Line> lines = splitLines(content);
    const Layout layout = locate(lines, section, key, nullptr);
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    std::string out;
    out.reserve(content.size() + keyLine.size() + section.size() + 8);
    // Every line that precedes new text must end, or the new text would join it.
    auto appendLine = [&](const Line& line, bool mustEnd) {
        out += line.text;
        out += (line.end.empty() && mustEnd) ? std::string_view("\r\n") : line.end;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (layout.keyLine && *layout.keyLine == i) {
            out += keyLine;
            out += lines[i].end.empty() ? std::string_view("\r\n") : lines[i].end;
            continue;
        }
        const bool insertAfter = !layout.keyLine && layout.sectionLast && *layout.sectionLast == i;
        appendLine(lines[i], insertAfter || (i + 1 == lines.size() && !layout.sectionLast));
        if (insertAfter) out += keyLine + "\r\n";
    }
    if (!layout.keyLine && !layout.sectionLast) {
        out += "[" + std::string(section) + "]\r\n";
        out += keyLine + "\r\n";
    }
    return out;
}

ProfileReadStatus readProfileText(const std::filesystem::path& path, std::string& content) {
    std::string reason;
    switch (loadProfileText(path, content, reason)) {
        case LoadOutcome::Loaded:
            return ProfileReadStatus::Found;
        case LoadOutcome::Missing:
            break;
        case LoadOutcome::Unreadable:
            content.clear();
            return ProfileReadStatus::Unreadable;
    }
    content.clear();
    return ProfileReadStatus::Missing;
}

ProfileValue readProfileString(const std::filesystem::path& path, std::string_view section,
                               std::string_view key) {
    std::string content;
    std::string reason;
    switch (loadProfileText(path, content, reason)) {
        case LoadOutcome::Missing:
            return {ProfileReadStatus::Missing, {}};
        case LoadOutcome::Unreadable:
            return {ProfileReadStatus::Unreadable, {}};
        case LoadOutcome::Loaded:
            break;
    }
    std::optional<std::string> value = findProfileValue(content, section, key);
    if (!value) return {ProfileReadStatus::Missing, {}};
    if (value->size() > kProfileValueLimit) value->resize(kProfileValueLimit);
    return {ProfileReadStatus::Found, std::move(*value)};
}

Status writeProfileString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view value) {
    std::string content;
    std::string reason;
    // A file that cannot be read whole must not be replaced by a file holding only the new key.
    if (loadProfileText(path, content, reason) == LoadOutcome::Unreadable)
        return failedWith(reason);
    const std::optional<std::string> updated = setProfileValue(content, section, key, value);
    if (!updated)
        return failedWith("The section, key or value cannot be stored in an initialization file");
    if (*updated == content) return {};
    const WriteResult written = writeFileSafely(path, *updated);
    if (!written) return failedWith(written.error().reason);
    return {};
}

}  // namespace tavmir
