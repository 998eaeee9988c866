#include "document/Editing.h"

#include "catalogue/StartupTables.h"
#include "document/Averages.h"
#include "document/KeyFilters.h"
#include "document/Layout.h"

namespace tavmir {
namespace {

constexpr int kFirstShipSetting = 287;
constexpr int kLastShipSetting = 958;

bool isSetting(int item) { return item >= 1 && item <= kSettingCount; }

// The value fields use the same key filters as every other numeric and text box.
int numericKey(int code) {
    if (code < 0 || code > 0xFFFF) return 0;
    return numericKeyFilter(static_cast<char16_t>(code));
}

int textKey(int code) {
    if (code < 0 || code > 0xFFFF) return 0;
    return textKeyFilter(static_cast<char16_t>(code));
}

}  // namespace

KeyFilter keyFilterFor(const Catalogue& catalogue, int item, int currentPage) {
    if (currentPage >= kAverageShipPage || !isSetting(item)) return KeyFilter::None;
    return catalogue[item].isText() ? KeyFilter::Text : KeyFilter::Numeric;
}

int filterFieldKey(const Catalogue& catalogue, int item, int currentPage, int keyCode) {
    switch (keyFilterFor(catalogue, item, currentPage)) {
        case KeyFilter::Numeric:
            return numericKey(keyCode);
        case KeyFilter::Text:
            return textKey(keyCode);
        case KeyFilter::None:
            break;
    }
    return keyCode;
}

EditCommands editCommandsFor(const Catalogue& catalogue, int item) {
    EditCommands commands;
    commands.editSettingForAllShips =
        !(item < kFirstAverageField && (item > kLastShipSetting || item < kFirstShipSetting));
    commands.editAlphanumericSetting = isSetting(item) && catalogue[item].isText();
    return commands;
}

FieldCommand doubleClickCommand(const Catalogue& catalogue, int item) {
    const EditCommands commands = editCommandsFor(catalogue, item);
    if (commands.editAlphanumericSetting) return FieldCommand::EditAlphanumericSetting;
    if (commands.editSettingForAllShips) return FieldCommand::EditSettingForAllShips;
    return FieldCommand::None;
}

int shipOfItem(const Catalogue& catalogue, int item) {
    if (!isSetting(item)) return 0;
    const int ship = catalogue[item].page - 3;
    return ship >= 1 && ship <= kShipCount ? ship : 0;
}

int shipRowOfItem(const Catalogue& catalogue, int item) {
    if (item < 1 || item > kFieldCount) return 0;
    const std::string caption = labelCaption(catalogue, item);
    for (int r = 1; r <= kShipRows; ++r) {
        if (catalogue[shipTable(r, 0)].key == caption) return r;
    }
    return 0;
}

std::string focusRemark(const Catalogue& catalogue, const FieldTexts& fields, int item,
                        int currentPage) {
    if (isAverageField(item)) {
        const int row = shipRowOfItem(catalogue, item);
        if (row == 0) return {};
        const SettingDef& warbird = catalogue[shipTable(row, 0)];
        return warbird.description.empty() ? std::string{}
                                           : limitsText(warbird) + warbird.description;
    }
    if (!isSetting(item)) return {};
    const SettingDef& def = catalogue[item];
    std::string remark;
    const bool onShipPage = currentPage >= kFirstShipPage && currentPage <= kLastShipPage;
    const bool onGeneralPage = currentPage >= 1 && currentPage < kFirstShipPage;
    if ((onShipPage || onGeneralPage) && !def.description.empty())
        remark = limitsText(def) + def.description;
    if (onShipPage) {
        // A field with no ship row (only a general setting could be focused here) gets no
        // annotation rather than one about an unrelated row.
        const int row = shipRowOfItem(catalogue, item);
        if (row != 0)
            remark =
                averageAnnotation(fields[item], fields[shipTable(row, kAverageColumn)]) + remark;
    }
    return remark;
}

}  // namespace tavmir
