#include "document/SaveChecks.h"

#include <string_view>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "document/Layout.h"
#include "settingsfile/ValueCheck.h"

namespace tavmir {
namespace {

std::string valueMessage(const SettingDef& def, ValueCheck check) {
    std::string text = paragraphs({"Wrong value for " + def.section + ":" + def.key, ""});
    if (check == ValueCheck::NotNumeric) {
        text += "Value is not numeric";
    } else if (check == ValueCheck::Overflow) {
        text += "Value is too high (overflow)";
    } else if (check == ValueCheck::BelowLow) {
        text += "Min value is " + decimal(def.lowLimit);
    } else {
        text += "Max value is " + decimal(def.highLimit);
    }
    return text;
}

// The page SetPageForItem shows for a field; 0 leaves the page shown as it is.
int pageToShow(const Catalogue& catalogue, int n) { return pageForItem(catalogue, n).value_or(0); }

}  // namespace

std::optional<SaveCheckFailure> checkBeforeSave(const Catalogue& catalogue,
                                                const FieldTexts& texts) {
    for (int n = 1; n <= kSettingCount; ++n) {
        const ValueCheck check = checkSettingValue(catalogue, n, trimSpaces(texts[n]));
        // A text longer than its setting allows cannot come from the field, which cuts it to
        // its maximum length, so only the numeric checks stop the save.
        if (check == ValueCheck::Accepted || check == ValueCheck::TooLong) continue;
        return SaveCheckFailure{n, pageToShow(catalogue, n), valueMessage(catalogue[n], check)};
    }

    for (int ship = 0; ship < kShipCount; ++ship) {
        for (const AscendingPair& pair : kAscendingPairs) {
            const int a = shipTable(pair.initialRow, ship);
            const int b = shipTable(pair.maximumRow, ship);
            if (leadingNumber(texts[a]) > leadingNumber(texts[b])) {
                const SettingDef& initial = catalogue[a];
                return SaveCheckFailure{
                    a, pageToShow(catalogue, a),
                    initial.section + " " + initial.key + " is greater than " + catalogue[b].key};
            }
        }
    }
    return std::nullopt;
}

}  // namespace tavmir
