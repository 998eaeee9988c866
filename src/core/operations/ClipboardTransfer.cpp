#include "operations/ClipboardTransfer.h"

#include <algorithm>

#include "catalogue/StartupTables.h"
#include "common/Text.h"

namespace tavmir {
namespace {

constexpr int kLastGeneralItem = 286;

std::array<int, kSettingCount> makeExportOrder() {
    std::array<int, kSettingCount> order{};
    std::size_t n = 0;
    for (int item = 1; item <= kLastGeneralItem; ++item) order[n++] = item;
    for (int ship = 0; ship < kShipCount; ++ship)
        for (int row = 1; row <= kShipRows; ++row) order[n++] = shipTable(row, ship);
    for (int item = kLastGeneralItem + kShipCount * kShipRows + 1; item <= kSettingCount; ++item)
        order[n++] = item;
    return order;
}

// Calls f for each line of text; CR LF, CR and LF each end a line.
template <typename F>
void forEachLine(std::string_view text, F&& f) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        if (!f(text.substr(start, end - start)) || end == text.size()) return;
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

}  // namespace

const std::array<int, 961>& exportOrder() {
    static const std::array<int, kSettingCount> order = makeExportOrder();
    return order;
}

std::vector<TransferRecord> buildExportList(const Catalogue& catalogue, const FieldTexts& fields) {
    std::vector<TransferRecord> records;
    records.reserve(kSettingCount);
    for (int item : exportOrder()) {
        const SettingDef& def = catalogue[item];
        records.push_back({item, def.section, def.key, fields[item], false});
    }
    return records;
}

std::string transferLine(const TransferRecord& record) {
    std::string line;
    line.reserve(record.section.size() + record.key.size() + record.value.size() + 2);
    line.append(record.section).append(":").append(record.key).append(":").append(record.value);
    return line;
}

ExportText exportText(const std::vector<TransferRecord>& records) {
    ExportText out;
    std::size_t size = 0;
    for (const TransferRecord& r : records)
        if (r.selected) size += r.section.size() + r.key.size() + r.value.size() + 4;
    out.text.reserve(size);
    for (const TransferRecord& r : records) {
        if (!r.selected) continue;
        out.text.append(r.section).append(":").append(r.key).append(":").append(r.value);
        out.text.append(kCrLf);
        ++out.count;
    }
    return out;
}

std::string exportedMessage(int count) {
    return decimal(count) + " settings have been exported to clipboard";
}

ImportParse parseImportText(const Catalogue& catalogue, std::string_view text) {
    ImportParse out;
    if (text.empty()) {
        out.message = std::string(kClipboardHasNoText);
        return out;
    }
    if (text.size() > kMaxImportTextSize) {
        out.message = std::string(kClipboardTooLarge);
        return out;
    }
    // Most clipboard texts are this program's own exports: about one record a line.
    out.records.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    forEachLine(text, [&](std::string_view raw) {
        const std::string_view line = trimSpaces(raw);
        if (line.empty()) return true;
        const std::size_t p1 = line.find(':');
        if (p1 == std::string_view::npos || p1 == 0) return true;
        const std::size_t p2 = line.find(':', p1 + 1);
        if (p2 == std::string_view::npos) return true;
        std::size_t p3 = line.find(':', p2 + 1);
        if (p3 == std::string_view::npos) p3 = line.size();
        const std::string_view section = line.substr(0, p1);
        const std::string_view key = line.substr(p1 + 1, p2 - p1 - 1);
        // Section and key name one setting at most, so the first match is the only one.
        const int item = catalogue.findSetting(section, key);
        if (item == 0) return true;
        out.records.push_back({item, std::string(section), std::string(key),
                               std::string(line.substr(p2 + 1, p3 - p2 - 1)), false});
        return true;
    });
    if (out.records.empty()) out.message = std::string(kClipboardHasNoSettings);
    return out;
}

ImportWrites importSelected(const std::vector<TransferRecord>& records) {
    ImportWrites out;
    for (const TransferRecord& r : records) {
        if (!r.selected || r.item < 1 || r.item > kSettingCount) continue;
        out.writes.push_back({r.item, r.value});
        ++out.count;
    }
    return out;
}

std::string importedMessage(int count) {
    return decimal(count) + " settings have been imported from clipboard";
}

std::string selectionCountText(int selected, int total) {
    return "Selected: " + decimal(selected) + "/" + decimal(total);
}

std::string nothingSelectedRefusal(bool exporting, const std::vector<bool>& selection) {
    if (std::find(selection.begin(), selection.end(), true) != selection.end()) return {};
    return std::string(exporting ? kNothingSelectedToExport : kNothingSelectedToImport);
}

}  // namespace tavmir
