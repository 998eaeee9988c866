#include "operations/ShipCopySwap.h"

#include <algorithm>

#include "catalogue/StartupTables.h"

namespace tavmir {
namespace {

struct RowSpan {
    int first;
    int last;
};

// Rows of groups 1..6; group 6 is two spans. Together they cover 1..84 exactly once.
constexpr std::array<std::array<RowSpan, 2>, kSettingGroupCount> kGroupRows{{
    {{{1, 84}, {0, -1}}},
    {{{1, 15}, {0, -1}}},
    {{{21, 29}, {0, -1}}},
    {{{30, 46}, {0, -1}}},
    {{{47, 63}, {0, -1}}},
    {{{77, 84}, {0, -1}}},
    {{{16, 20}, {64, 76}}},
}};

bool validShip(int ship) { return ship >= 1 && ship <= kShipCount; }

void appendRows(std::vector<int>& rows, int group) {
    for (const RowSpan& span : kGroupRows[static_cast<std::size_t>(group)])
        for (int r = span.first; r <= span.last; ++r) rows.push_back(r);
}

}  // namespace

SettingGroups initialSettingGroups() {
    SettingGroups groups{};
    groups[0] = true;
    return groups;
}

bool groupBoxesEnabled(bool allSettingsChecked) { return !allSettingsChecked; }

std::vector<int> rowsOfGroups(const SettingGroups& groups) {
    std::vector<int> rows;
    if (groups[0]) {
        appendRows(rows, 0);
        return rows;
    }
    for (int g = 1; g < kSettingGroupCount; ++g)
        if (groups[static_cast<std::size_t>(g)]) appendRows(rows, g);
    return rows;
}

ShipDialogRefusal checkCopySelection(int origin, const ShipSelection& destinations,
                                     const SettingGroups& groups) {
    if (!validShip(origin)) return {"Select origin ship", ShipDialogControl::OriginList};
    if (destinations[static_cast<std::size_t>(origin - 1)])
        return {"Wrong selection. Origin ship can not be included in the destination group",
                ShipDialogControl::DestinationList};
    if (std::none_of(destinations.begin(), destinations.end(), [](bool b) { return b; }))
        return {"Select destination ships", ShipDialogControl::DestinationList};
    if (std::none_of(groups.begin(), groups.end(), [](bool b) { return b; }))
        return {"Select settings to copy", ShipDialogControl::AllSettingsBox};
    return {};
}

ShipDialogRefusal checkSwapSelection(int shipA, int shipB, const SettingGroups& groups) {
    if (!validShip(shipA)) return {"Select origin ship", ShipDialogControl::OriginList};
    if (!validShip(shipB)) return {"Select destination ship", ShipDialogControl::DestinationList};
    if (shipA == shipB)
        return {
            "Origin and destination ship can not be the same. Select a different "
            "destination ship",
            ShipDialogControl::DestinationList};
    if (std::none_of(groups.begin(), groups.end(), [](bool b) { return b; }))
        return {"Select settings to swap", ShipDialogControl::AllSettingsBox};
    return {};
}

std::vector<FieldWrite> copyShipSettings(const FieldTexts& fields,
                                         const ShipSelection& destinations, int origin,
                                         const SettingGroups& groups) {
    std::vector<FieldWrite> writes;
    if (!validShip(origin)) return writes;
    const std::vector<int> rows = rowsOfGroups(groups);
    for (int d = 1; d <= kShipCount; ++d) {
        if (!destinations[static_cast<std::size_t>(d - 1)] || d == origin) continue;
        for (int r : rows)
            writes.push_back({shipTable(r, d - 1), fields[shipTable(r, origin - 1)]});
    }
    return writes;
}

std::vector<FieldWrite> swapShipSettings(const FieldTexts& fields, int shipA, int shipB,
                                         const SettingGroups& groups) {
    std::vector<FieldWrite> writes;
    if (!validShip(shipA) || !validShip(shipB) || shipA == shipB) return writes;
    for (int r : rowsOfGroups(groups)) {
        const int a = shipTable(r, shipA - 1);
        const int b = shipTable(r, shipB - 1);
        writes.push_back({a, fields[b]});
        writes.push_back({b, fields[a]});
    }
    return writes;
}

}  // namespace tavmir
