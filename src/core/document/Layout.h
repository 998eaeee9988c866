// Where the editor shows each field: the twelve pages (three general pages, one per ship and
// the computed Average Ship page), the page buttons, the label and field positions on the
// canvas, the label captions and load-time tooltips, and the keyboard tab order.
//
// Field numbers 1..961 are catalogue settings; 962..1045 are the Average Ship rows, placed
// and captioned like the Warbird setting of their row. Everything here is derived from the
// catalogue and the built-in tables; the window only applies it to its widgets.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"

namespace tavmir {

inline constexpr int kPageCount = 12;
inline constexpr int kAverageShipPage = 12;
inline constexpr int kFirstShipPage = 4;
inline constexpr int kLastShipPage = 11;

// Template widths of a label and a value field; every column is laid out from them.
inline constexpr int kLabelWidth = 196;
inline constexpr int kFieldWidth = 57;
// Background of the read-only Average Ship fields, 0xRRGGBB.
inline constexpr std::uint32_t kAverageFieldColor = 0xE8E8E8;
// The first tab index of the value fields; lower ones belong to the page buttons.
inline constexpr int kFirstFieldTabIndex = 13;

// Caption of page button 1..12 ("General &1" .. "A&verage Ship"); "" outside 1..12.
std::string_view pageButtonCaption(int page);
// Title shown above page 1..12 ("General Settings 1" .. "Average Ship"); "" outside 1..12.
std::string_view pageTitle(int page);
// The field numbers page 1..12 shows, in the order they are made visible; none for page 0.
const std::vector<int>& pageFields(int page);

// The page that shows field `item`, or nothing when the rule leaves the page unchanged
// (a ship-page number whose section names no ship, or a number below 1).
std::optional<int> pageForItem(const Catalogue& catalogue, int item);
// Page Up / Page Down from the page shown, wrapping between 1 and 12.
int pageUp(int currentPage);
int pageDown(int currentPage);

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct FieldPlacement {
    Point label;
    Point field;
    bool operator==(const FieldPlacement&) const = default;
};

// Label and field position of a cell at Row (1-based) and Column (1..4).
FieldPlacement placeCell(int row, int column);
// Placement of field 1..1045 (Average Ship rows sit where their Warbird setting sits).
FieldPlacement fieldPlacement(const Catalogue& catalogue, int item);
// How far a label's text must be indented so that the value field of the column to its left,
// which reaches into the label's box (column 2 starts 12 pixels before column 1's fields end),
// does not cover it. 0 for labels nothing overlaps.
int labelTextIndent(const FieldPlacement& placement);

// The setting whose catalogue record describes field 1..1045: the field's own setting, or
// for an Average Ship row the Warbird setting of that row.
int describingSetting(int item);
// The caption of the label of field `item`: "Section:Key" on the general pages, the bare key on
// ship pages and on the Average Ship page.
std::string labelCaption(const Catalogue& catalogue, int item);
// "(Low:" low "  High:" high ") " when either limit is not 0, else "".
std::string limitsText(const SettingDef& def);
// The tooltip a field and its label get when the window loads: limits text and description.
std::string loadTooltip(const Catalogue& catalogue, int item);
// Most characters field 1..1045 holds; 0 means no limit (the Average Ship fields).
int fieldMaxLength(const Catalogue& catalogue, int item);
// `text` as field `item` keeps it: cut to the field's maximum length.
std::string fitToField(const Catalogue& catalogue, int item, std::string_view text);
// True for the read-only Average Ship fields 962..1045.
bool isAverageField(int item);

// Tab index of every value field, by field number (element 0 unused): the setting in tab
// order position k (1..961) gets k + 12; the Average Ship fields follow in row order
// (field 961 + r gets 973 + r).
std::vector<int> fieldTabIndexes(const Catalogue& catalogue);

}  // namespace tavmir
