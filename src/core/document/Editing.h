// The rules around one value field while the user edits: which keys it accepts, which of
// the two Edit commands its focus enables, what the remark line says about it, and which
// ship and ship row a field belongs to. The change handling itself lives in EditorDocument,
// which owns the texts these rules read.
#pragma once

#include <string>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"

namespace tavmir {

// Which key filter a field applies to typed characters.
enum class KeyFilter {
    None,     // no filtering: the read-only Average Ship page
    Numeric,  // digits, "-" and Backspace
    Text,     // codes 32..127 and Backspace
};

// The filter of field 1..1045 while `currentPage` is shown.
KeyFilter keyFilterFor(const Catalogue& catalogue, int item, int currentPage);
// The typed character code after the field's filter: the code itself, or 0 when dropped.
int filterFieldKey(const Catalogue& catalogue, int item, int currentPage, int keyCode);

// The two Edit menu commands a focused field enables.
struct EditCommands {
    bool editSettingForAllShips = false;   // per-ship settings 287..958 and Average Ship fields
    bool editAlphanumericSetting = false;  // settings of type "A"
    bool operator==(const EditCommands&) const = default;
};
EditCommands editCommandsFor(const Catalogue& catalogue, int item);

// What a double-click (or Enter) on a field runs.
enum class FieldCommand {
    None,
    EditSettingForAllShips,
    EditAlphanumericSetting,
};
FieldCommand doubleClickCommand(const Catalogue& catalogue, int item);

// 1 (Warbird) .. 8 (Shark) for a ship-page setting, else 0 (general settings,
// Average Ship fields, numbers outside 1..961).
int shipOfItem(const Catalogue& catalogue, int item);
// The ship-table row 1..84 whose Warbird key is the caption of the label of field `item`, 0 when
// none: the row of a ship setting or of an Average Ship field; general settings have none.
int shipRowOfItem(const Catalogue& catalogue, int item);

// The remark line shown when field `item` gets the focus on page `currentPage`.
std::string focusRemark(const Catalogue& catalogue, const FieldTexts& fields, int item,
                        int currentPage);

}  // namespace tavmir
