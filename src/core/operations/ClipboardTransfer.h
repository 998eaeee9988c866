// Moving settings through the clipboard as plain text, one "Section:Key:Value" line each.
//
// Export lists all 961 settings in page order (general pages, then each ship's 84 rows in
// ship-page order, then the three settings shown on General Settings 1 that no table lists)
// and turns the chosen records into text. Import splits clipboard text in memory, keeps the
// lines that name a catalogue setting exactly, and turns the chosen records into field writes
// applied in list order, so a later selected line for the same setting wins. The document
// applies those writes with change handling suspended, then marks itself modified (even when
// nothing changed), refreshes its caption and recomputes the whole Average Ship page.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"
#include "operations/FieldWrites.h"

namespace tavmir {

struct TransferRecord {
    int item = 0;  // 1..961, also the editor value field
    std::string section;
    std::string key;
    std::string value;
    bool selected = false;
    bool operator==(const TransferRecord&) const = default;
};

// The largest clipboard text an import takes, whole: every accepted line of it is offered. A
// complete export is about 25 KB, so this holds some 170 of them, over 150,000 lines of the
// usual length; even a text of nothing but the shortest lines (a dozen bytes each, near 400,000
// records) stays a few tens of MB in memory. A larger text is refused whole, never cut short,
// since a cut could drop the later line for a setting that is to win.
inline constexpr std::size_t kMaxImportTextSize = 4 * 1024 * 1024;

inline constexpr std::string_view kClipboardHasNoText = "Clipboard does not contain text";
inline constexpr std::string_view kClipboardHasNoSettings =
    "Clipboard does not contain valid settings to import";
inline constexpr std::string_view kClipboardTooLarge =
    "Clipboard text is too large to import (more than 4 MB): no settings have been imported";
inline constexpr std::string_view kNothingSelectedToExport =
    "There are no settings selected to export";
inline constexpr std::string_view kNothingSelectedToImport =
    "There are no settings selected to import";
// The count label before the dialog has filled it.
inline constexpr std::string_view kSelectionCountUnfilled = "Selected 0/0";

// The 961 setting numbers in export (page) order.
const std::array<int, 961>& exportOrder();

// All 961 settings with their current texts, in export order, none selected.
std::vector<TransferRecord> buildExportList(const Catalogue& catalogue, const FieldTexts& fields);

// "Section:Key:Value": a clipboard line without its line break, and a dialog list entry.
std::string transferLine(const TransferRecord& record);

struct ExportText {
    std::string text;  // each selected line followed by CR LF
    int count = 0;
};

// The clipboard text of the selected records, in list order.
ExportText exportText(const std::vector<TransferRecord>& records);

// "<count> settings have been exported to clipboard"
std::string exportedMessage(int count);

struct ImportParse {
    std::vector<TransferRecord> records;  // accepted lines in clipboard order, none selected
    std::string message;                  // non-empty: the refusal to show; no dialog
};

// Parses clipboard text. Lines end at CR LF, CR or LF; each is trimmed of spaces. A line
// needs a first ":" that is not its first character and a second ":"; the value runs to a
// third ":" or the end. Section and key must match a catalogue setting exactly. A text above
// kMaxImportTextSize bytes gives no records and the kClipboardTooLarge refusal.
ImportParse parseImportText(const Catalogue& catalogue, std::string_view text);

struct ImportWrites {
    std::vector<FieldWrite> writes;  // selected records in list order
    int count = 0;
};

// The field writes of the selected records; values are written as they stand.
ImportWrites importSelected(const std::vector<TransferRecord>& records);

// "<count> settings have been imported from clipboard"
std::string importedMessage(int count);

// The dialogs' count label: "Selected: <selected>/<total>".
std::string selectionCountText(int selected, int total);

// The export or import button: the refusal when nothing is selected, else empty.
std::string nothingSelectedRefusal(bool exporting, const std::vector<bool>& selection);

}  // namespace tavmir
