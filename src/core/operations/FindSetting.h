// Reaching and editing one setting: the find and find-next walks over the catalogue in the
// editor's keyboard tab order, the find dialog's checks, and the alphanumeric edit dialog.
//
// The search state lives for the whole run and is shared by every editor; the caller owns it
// (one object in the main window's state) and passes it in. A find answers with the setting
// to show; the editor then shows its page and focuses its field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"
#include "operations/FieldWrites.h"

namespace tavmir {

struct SearchState {
    std::string findText;        // as typed, trimmed; empty until the first confirmed find
    bool searchSection = false;  // look in the section name
    bool searchKey = true;       // look in the key name
    bool searchRemark = false;   // look in the description
};

inline constexpr std::string_view kStringNotFound = "String not found";
inline constexpr std::string_view kInsertTextToFind = "Insert text to find";
inline constexpr std::string_view kSelectWhereToSearch = "Select where to search";

// The match test: case-insensitive substring of the chosen names; an empty text never matches.
bool settingMatches(const SettingDef& def, const SearchState& search);

struct FindResult {
    int item = 0;         // the setting found, 0 when none
    std::string message;  // "String not found" when none
};

// The first match in tab order.
FindResult findSetting(const Catalogue& catalogue, const SearchState& search);

// What the editor knows about its focus when Find Next runs.
struct EditorFocus {
    bool fieldHasFocus = false;
    int currentPage = 0;  // 1..12
    int focusedItem = 0;  // 1..1045
};

// Find Next: the next match in tab order after the focused field (from the start on the
// Average Ship page or without a focused field), wrapping once; 0 when none or no text.
int findNextSetting(const Catalogue& catalogue, const SearchState& search,
                    const EditorFocus& focus);

// Where the find dialog puts the focus after a refusal.
enum class FindDialogControl {
    FindText,  // tFind
    KeyBox,    // chName
};

struct FindDialogRefusal {
    std::string message;  // empty: accepted
    FindDialogControl focus = FindDialogControl::FindText;
    bool refused() const { return !message.empty(); }
};

// The "&Find" button: checks the input and, when accepted, stores the trimmed text and the
// three boxes in the search state; a refusal leaves the state untouched.
FindDialogRefusal acceptFindDialog(std::string_view typed, bool section, bool key, bool remark,
                                   SearchState& search);

// The alphanumeric edit box takes at most this many characters.
inline constexpr std::size_t kAlphanumMaxLength = 255;

struct AlphanumEdit {
    int item = 0;              // 0: no setting to edit (the dialog should not open)
    std::string frameCaption;  // "Section:Key"
    std::string tooltip;       // the description without surrounding blanks; also the remark
    std::string text;          // the field's current text
};

// What the dialog shows for setting item (1..961) of the editor.
AlphanumEdit openAlphanumEdit(const Catalogue& catalogue, const FieldTexts& fields, int item);

// "&Accept": the edited text for the field, applied with the field's change handling; empty
// when the text is unchanged or item is no setting.
std::vector<FieldWrite> acceptAlphanumEdit(const FieldTexts& fields, int item, std::string text);

}  // namespace tavmir
