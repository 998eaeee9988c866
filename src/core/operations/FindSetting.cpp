#include "operations/FindSetting.h"

#include "common/Text.h"

namespace tavmir {
namespace {

constexpr int kAverageShipPage = 12;

bool containsLower(std::string_view haystack, std::string_view lowerNeedle) {
    return toLowerAscii(haystack).find(lowerNeedle) != std::string::npos;
}

bool matchesLower(const SettingDef& def, std::string_view s, const SearchState& search) {
    return (search.searchSection && containsLower(def.section, s)) ||
           (search.searchKey && containsLower(def.key, s)) ||
           (search.searchRemark && containsLower(def.description, s));
}

// First match walking tab-order entries first..961; 0 when none.
int walk(const Catalogue& catalogue, std::string_view s, const SearchState& search, int first) {
    for (int entry = first; entry <= kSettingCount; ++entry) {
        const int item = catalogue.tabOrder(entry);
        if (matchesLower(catalogue[item], s, search)) return item;
    }
    return 0;
}

}  // namespace

bool settingMatches(const SettingDef& def, const SearchState& search) {
    if (search.findText.empty()) return false;
    return matchesLower(def, toLowerAscii(search.findText), search);
}

FindResult findSetting(const Catalogue& catalogue, const SearchState& search) {
    FindResult out;
    if (!search.findText.empty())
        out.item = walk(catalogue, toLowerAscii(search.findText), search, 1);
    if (out.item == 0) out.message = std::string(kStringNotFound);
    return out;
}

int findNextSetting(const Catalogue& catalogue, const SearchState& search,
                    const EditorFocus& focus) {
    if (search.findText.empty()) return 0;
    int start = 1;
    if (focus.fieldHasFocus && focus.currentPage != kAverageShipPage) {
        // An Average Ship field has no tab-order entry; it counts as no position.
        for (int entry = 1; entry <= kSettingCount; ++entry) {
            if (catalogue.tabOrder(entry) == focus.focusedItem) {
                start = entry == kSettingCount ? 1 : entry + 1;
                break;
            }
        }
    }
    const std::string s = toLowerAscii(search.findText);
    int item = walk(catalogue, s, search, start);
    if (item == 0 && start != 1) item = walk(catalogue, s, search, 1);
    return item;
}

FindDialogRefusal acceptFindDialog(std::string_view typed, bool section, bool key, bool remark,
                                   SearchState& search) {
    const std::string_view text = trimSpaces(typed);
    if (text.empty()) return {std::string(kInsertTextToFind), FindDialogControl::FindText};
    if (!section && !key && !remark)
        return {std::string(kSelectWhereToSearch), FindDialogControl::KeyBox};
    search.findText = std::string(text);
    search.searchSection = section;
    search.searchKey = key;
    search.searchRemark = remark;
    return {};
}

AlphanumEdit openAlphanumEdit(const Catalogue& catalogue, const FieldTexts& fields, int item) {
    AlphanumEdit out;
    if (item < 1 || item > kSettingCount) return out;
    const SettingDef& def = catalogue[item];
    out.item = item;
    out.frameCaption = def.section + ":" + def.key;
    out.tooltip = std::string(trimSpaces(def.description));
    out.text = fields[item];
    return out;
}

std::vector<FieldWrite> acceptAlphanumEdit(const FieldTexts& fields, int item, std::string text) {
    if (item < 1 || item > kSettingCount || fields[item] == text) return {};
    return {FieldWrite{item, std::move(text)}};
}

}  // namespace tavmir
