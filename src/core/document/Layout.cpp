#include "document/Layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "catalogue/StartupTables.h"
#include "common/Text.h"

namespace tavmir {
namespace {

struct PageText {
    std::string_view caption;
    std::string_view title;
};

constexpr std::array<PageText, kPageCount> kPages{{
    {"General &1", "General Settings 1"},
    {"General &2", "General Settings 2"},
    {"General &3", "General Settings 3"},
    {"War&bird", "Warbird"},
    {"&Javelin", "Javelin"},
    {"Spi&der", "Spider"},
    {"&Leviathan", "Leviathan"},
    {"&Terrier", "Terrier"},
    {"Wea&sel", "Weasel"},
    {"La&ncaster", "Lancaster"},
    {"Shar&k", "Shark"},
    {"A&verage Ship", "Average Ship"},
}};

// The last three settings are listed by no table but belong with the first general page.
constexpr int kFirstUnlistedSetting = 959;

// Column corrections that line the four columns up at x = 2, 246, 504 and 761.
constexpr std::array<int, 4> kColumnCorrection{2, -10, -8, -7};
constexpr int kRowHeight = 20;
constexpr int kFirstRowY = 80;
constexpr int kLabelDrop = 3;  // labels sit 3 pixels lower than their field's top
constexpr int kLabelGap = 3;   // between a label and its field

std::array<std::vector<int>, kPageCount + 1> buildPageFields() {
    std::array<std::vector<int>, kPageCount + 1> pages{};
    for (std::size_t g = 0; g < kPageRanges.size(); ++g) {
        for (int i = kPageRanges[g].first; i <= kPageRanges[g].last; ++i) pages[g + 1].push_back(i);
    }
    for (int i = kFirstUnlistedSetting; i <= kSettingCount; ++i) pages[1].push_back(i);
    for (int c = 0; c < kShipCount; ++c) {
        auto& page = pages[static_cast<std::size_t>(kFirstShipPage + c)];
        for (int r = 1; r <= kShipRows; ++r) page.push_back(shipTable(r, c));
    }
    for (int i = kFirstAverageField; i <= kFieldCount; ++i) pages[kAverageShipPage].push_back(i);
    return pages;
}

bool validPage(int page) { return page >= 1 && page <= kPageCount; }

}  // namespace

std::string_view pageButtonCaption(int page) {
    return validPage(page) ? kPages[static_cast<std::size_t>(page - 1)].caption
                           : std::string_view{};
}

std::string_view pageTitle(int page) {
    return validPage(page) ? kPages[static_cast<std::size_t>(page - 1)].title : std::string_view{};
}

const std::vector<int>& pageFields(int page) {
    static const auto pages = buildPageFields();
    return pages[validPage(page) ? static_cast<std::size_t>(page) : 0];
}

std::optional<int> pageForItem(const Catalogue& catalogue, int item) {
    if (item >= kFirstAverageField) return kAverageShipPage;
    if (item < 1) return std::nullopt;
    if (item <= kPageRanges[0].last || item >= kFirstUnlistedSetting) return 1;
    if (item <= kPageRanges[1].last) return 2;
    if (item <= kPageRanges[2].last) return 3;
    const std::string& section = catalogue[item].section;
    for (int c = 0; c < kShipCount; ++c) {
        if (section == kShipNames[static_cast<std::size_t>(c)]) return kFirstShipPage + c;
    }
    return std::nullopt;
}

int pageUp(int currentPage) { return currentPage - 1 < 1 ? kPageCount : currentPage - 1; }

int pageDown(int currentPage) { return currentPage + 1 > kPageCount ? 1 : currentPage + 1; }

FieldPlacement placeCell(int row, int column) {
    const double span = static_cast<double>(kLabelWidth + kFieldWidth + kLabelGap) * (column - 1);
    // nearbyint rounds halves to the even integer in the default rounding mode.
    const int x = static_cast<int>(std::nearbyint(span)) +
                  kColumnCorrection[static_cast<std::size_t>(std::clamp(column, 1, 4) - 1)];
    const int y = (row - 1) * kRowHeight + kFirstRowY;
    return {{x, y + kLabelDrop}, {x + kLabelWidth + kLabelGap, y}};
}

int describingSetting(int item) {
    return isAverageField(item) ? shipTable(item - kSettingCount, 0) : item;
}

FieldPlacement fieldPlacement(const Catalogue& catalogue, int item) {
    const SettingDef& def = catalogue[describingSetting(item)];
    return placeCell(def.row, def.column);
}

std::string labelCaption(const Catalogue& catalogue, int item) {
    const SettingDef& def = catalogue[describingSetting(item)];
    if (!isAverageField(item) && def.page < kFirstShipPage) return def.section + ":" + def.key;
    return def.key;
}

std::string limitsText(const SettingDef& def) {
    if (!def.hasRange()) return {};
    return "(Low:" + decimal(def.lowLimit) + "  High:" + decimal(def.highLimit) + ") ";
}

std::string loadTooltip(const Catalogue& catalogue, int item) {
    const SettingDef& def = catalogue[describingSetting(item)];
    return limitsText(def) + def.description;
}

int fieldMaxLength(const Catalogue& catalogue, int item) {
    return isAverageField(item) ? 0 : catalogue[item].maxLength;
}

std::string fitToField(const Catalogue& catalogue, int item, std::string_view text) {
    const int limit = fieldMaxLength(catalogue, item);
    if (limit > 0 && text.size() > static_cast<std::size_t>(limit))
        text = text.substr(0, static_cast<std::size_t>(limit));
    return std::string(text);
}

bool isAverageField(int item) { return item >= kFirstAverageField && item <= kFieldCount; }

std::vector<int> fieldTabIndexes(const Catalogue& catalogue) {
    std::vector<int> tab(kFieldCount + 1, 0);
    for (int k = 1; k <= kSettingCount; ++k)
        tab[static_cast<std::size_t>(catalogue.tabOrder(k))] = k + kFirstFieldTabIndex - 1;
    for (int i = kFirstAverageField; i <= kFieldCount; ++i)
        tab[static_cast<std::size_t>(i)] = i + kFirstFieldTabIndex - 1;
    return tab;
}

int labelTextIndent(const FieldPlacement& placement) {
    constexpr int kGap = 2;
    for (int column = 2; column <= 4; ++column) {
        if (placeCell(1, column).label.x != placement.label.x) continue;
        const int leftFieldEnd = placeCell(1, column - 1).field.x + kFieldWidth;
        return leftFieldEnd + kGap > placement.label.x ? leftFieldEnd + kGap - placement.label.x
                                                       : 0;
    }
    return 0;
}

}  // namespace tavmir
