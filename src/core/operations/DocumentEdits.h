// How the editor operations' field writes reach an editor document, in the two ways the
// operations need:
//
// - typed: each write runs the field's change handling, as if the user had typed the text
//   (the edit-for-all-ships write-back and the alphanumeric edit): the modified mark, the
//   row's Average Ship field and the item's annotation follow at once;
// - bulk: the writes go in with change handling suspended, then the document is marked
//   modified (even when no text changed) and the whole Average Ship page is recomputed once
//   (copy, swap, import).
//
// Either way each text is cut to its field's maximum length, as an open cuts a file's values,
// and the writes are one step of the document's history, named stepName.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/EditorDocument.h"
#include "operations/ClipboardTransfer.h"
#include "operations/FieldWrites.h"

namespace tavmir {

// The names of the operations' steps, as the Edit menu's Undo and Redo items show them.
inline constexpr std::string_view kCopyShipSettingsStep = "Copy Ship Settings";
inline constexpr std::string_view kSwapShipSettingsStep = "Swap Ship Settings";
inline constexpr std::string_view kImportSettingsStep = "Import Settings";
inline constexpr std::string_view kEditSettingForAllShipsStep = "Edit Setting For All Ships";
inline constexpr std::string_view kEditAlphanumericSettingStep = "Edit Alphanumeric Setting";

// Applies the writes one by one through the change handling; writes to fields outside
// 1..961 are ignored. Returns the number of writes applied.
int applyTypedWrites(EditorDocument& document, const std::vector<FieldWrite>& writes,
                     std::string stepName);

// Applies the writes with change handling suspended, then marks the document modified and
// recomputes every Average Ship row. Returns the number of writes applied.
int applyBulkWrites(EditorDocument& document, const std::vector<FieldWrite>& writes,
                    std::string stepName);

// True when importing `record` would change its field: its value, cut as the field keeps
// it, differs from the field's current text.
bool importChangesField(const EditorDocument& document, const TransferRecord& record);

}  // namespace tavmir
