// The rules of the "Copy Ship Settings" and "Swap Ship Settings" dialogs: the seven setting
// groups, the checks of the user's selection in their fixed order with their messages, and
// the copy or exchange of the chosen ship-page rows between ships.
//
// The operations copy texts, never numbers: no limit check, rounding or conversion. They
// return the field writes; the document applies them with change handling suspended, then
// marks itself modified (even when no text changed), refreshes its caption and recomputes
// the whole Average Ship page.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/FieldTexts.h"
#include "operations/FieldWrites.h"

namespace tavmir {

inline constexpr int kSettingGroupCount = 7;  // group 0 is "All Settings"

inline constexpr std::array<const char*, kSettingGroupCount> kSettingGroupCaptions{
    "All Settings",
    "Energy/Recharge/Speed/Thrust/Rotation",
    "Guns",
    "Bombs/Mines",
    "Burst/Repel/Decoy/Thor/Brick/Rocket/Portal",
    "Stealth/Cloak/XRadar/AntiWarp",
    "The rest: Bounty/Turret/Soccer/Gravity/etc"};

// Check box states of the seven groups, index = check box number.
using SettingGroups = std::array<bool, kSettingGroupCount>;
// Ships 1..8 in page order, index = ship number - 1.
using ShipSelection = std::array<bool, 8>;

// Where the dialog puts the focus after a refusal.
enum class ShipDialogControl {
    OriginList,       // List1
    DestinationList,  // List2
    AllSettingsBox,   // Check1(0)
};

struct ShipDialogRefusal {
    std::string message;  // empty: the selection is accepted
    ShipDialogControl focus = ShipDialogControl::OriginList;
    bool refused() const { return !message.empty(); }
};

// The state the dialogs open with: "All Settings" checked, the others unchecked.
SettingGroups initialSettingGroups();

// Boxes 1..6 are usable only while "All Settings" is unchecked.
bool groupBoxesEnabled(bool allSettingsChecked);

// The ship-page rows the checked groups cover, in the order the operations walk them:
// 1..84 when "All Settings" is checked, else groups 1..6 in turn.
std::vector<int> rowsOfGroups(const SettingGroups& groups);

// The "&Copy" checks; origin 1..8, or 0 when no origin is selected.
ShipDialogRefusal checkCopySelection(int origin, const ShipSelection& destinations,
                                     const SettingGroups& groups);

// The "&Swap" checks; ships 1..8, or 0 when the list has no selection.
ShipDialogRefusal checkSwapSelection(int shipA, int shipB, const SettingGroups& groups);

// Every marked destination ship gets the origin ship's texts of the chosen rows.
std::vector<FieldWrite> copyShipSettings(const FieldTexts& fields,
                                         const ShipSelection& destinations, int origin,
                                         const SettingGroups& groups);

// The two ships' texts of the chosen rows are exchanged.
std::vector<FieldWrite> swapShipSettings(const FieldTexts& fields, int shipA, int shipB,
                                         const SettingGroups& groups);

}  // namespace tavmir
