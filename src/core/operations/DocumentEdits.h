// The names of the editor operations' steps, as their writes reach the document
// (EditorDocument::applyWrites: typed for the edit-for-all-ships write-back and the
// alphanumeric edit, bulk for copy, swap and import), and what an import would change.
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

// True when importing `record` would change its field: its value, cut as the field keeps
// it, differs from the field's current text.
bool importChangesField(const EditorDocument& document, const TransferRecord& record);

}  // namespace tavmir
