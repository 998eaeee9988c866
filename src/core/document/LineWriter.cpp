#include "document/LineWriter.h"

#include <algorithm>
#include <map>
#include <optional>

#include "document/SettingsWriter.h"

namespace tavmir {
namespace {

// The line end the file's lines have (that of its first line), CR LF for a file of one line.
std::string_view lineEndOf(std::string_view bytes) {
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (bytes[at] == '\n') return "\n";
    return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? "\r\n" : "\r";
}

bool readWhole(const SettingsFileData& record) {
    return (record.status == ReadStatus::Read || record.status == ReadStatus::ReportFailed) &&
           (record.fileType == "CFG" || record.fileType == "SET");
}

}  // namespace

tl::expected<LineEdit, LineEditRefusal> writeIntoLines(const Catalogue& catalogue,
                                                       std::string_view bytes,
                                                       const SettingsFileData& record,
                                                       const std::vector<FieldWrite>& writes) {
    if (!readWhole(record)) return tl::unexpected(LineEditRefusal::NotRead);
    std::map<int, std::string> values;  // the last write of each setting, as it is written
    for (const FieldWrite& w : writes)
        if (w.field >= 1 && w.field <= kSettingCount) values[w.field] = writtenValue(w.text);

    struct Replacement {
        ValueSpan span;
        const std::string* value;
    };
    std::vector<Replacement> replacements;
    std::vector<int> missing;
    for (const auto& [n, value] : values) {
        const auto i = static_cast<std::size_t>(n);
        if (!record.found[i]) {
            missing.push_back(n);
            continue;
        }
        if (record.values[i] == value) continue;
        const ValueSpan span = record.valueSpan[i];
        if (static_cast<std::size_t>(span.at) + span.length > bytes.size())
            return tl::unexpected(LineEditRefusal::NotRead);
        replacements.push_back({span, &value});
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return a.span.at < b.span.at; });

    LineEdit edit;
    edit.changedLines = static_cast<int>(replacements.size());
    edit.addedSettings = static_cast<int>(missing.size());
    edit.bytes.reserve(bytes.size() + 64 * (replacements.size() + missing.size()));
    std::size_t from = 0;
    for (const Replacement& r : replacements) {
        edit.bytes.append(bytes.substr(from, r.span.at - from));
        edit.bytes += *r.value;
        from = static_cast<std::size_t>(r.span.at) + r.span.length;
    }
    edit.bytes.append(bytes.substr(from));
    if (missing.empty()) return edit;

    const std::string_view end = lineEndOf(bytes);
    if (!edit.bytes.empty() && edit.bytes.back() != '\r' && edit.bytes.back() != '\n')
        edit.bytes += end;
    if (record.fileType == "SET") {
        for (const int n : missing) {
            appendSetLine(edit.bytes, catalogue[n], values[n]);
            edit.bytes += end;
        }
        return edit;
    }
    // CFG: one header per section, the sections and their settings in the write order.
    std::vector<std::string_view> sections;
    std::map<std::string_view, std::vector<int>> bySection;
    for (int i = 1; i <= kSettingCount; ++i) {
        const int n = catalogue.cfgWriteOrder(i);
        if (!std::binary_search(missing.begin(), missing.end(), n)) continue;
        const std::string_view section = catalogue[n].section;
        if (!bySection.contains(section)) sections.push_back(section);
        bySection[section].push_back(n);
    }
    for (const std::string_view section : sections) {
        edit.bytes += '[';
        edit.bytes += section;
        edit.bytes += ']';
        edit.bytes += end;
        for (const int n : bySection[section]) {
            edit.bytes += catalogue[n].key;
            edit.bytes += '=';
            edit.bytes += values[n];
            edit.bytes += end;
        }
    }
    return edit;
}

}  // namespace tavmir
