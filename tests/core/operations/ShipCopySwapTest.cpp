#include "operations/ShipCopySwap.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TestCatalogue.h"
#include "catalogue/StartupTables.h"
#include "operations/FieldWrites.h"

namespace tavmir {
namespace {

using Focus = ShipDialogControl;

SettingGroups groupsOf(std::initializer_list<int> checked) {
    SettingGroups g{};
    for (int i : checked) g[static_cast<std::size_t>(i)] = true;
    return g;
}

ShipSelection shipsOf(std::initializer_list<int> ships) {
    ShipSelection s{};
    for (int i : ships) s[static_cast<std::size_t>(i - 1)] = true;
    return s;
}

FieldTexts numberedFields() {
    FieldTexts f;
    for (int i = 1; i <= kSettingCount; ++i) f[i] = "v" + std::to_string(i);
    return f;
}

TEST(ShipCopySwap, GroupsCoverEveryRowOnceInTheirOrder) {
    EXPECT_EQ(initialSettingGroups(), groupsOf({0}));
    EXPECT_FALSE(groupBoxesEnabled(true));
    std::vector<int> all(84);
    for (int r = 1; r <= 84; ++r) all[static_cast<std::size_t>(r - 1)] = r;
    EXPECT_EQ(rowsOfGroups(groupsOf({0, 2})), all);  // "All Settings" wins over kept marks

    std::vector<int> seen = rowsOfGroups(groupsOf({1, 2, 3, 4, 5, 6}));
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, all);

    EXPECT_EQ(rowsOfGroups(groupsOf({2})), (std::vector<int>{21, 22, 23, 24, 25, 26, 27, 28, 29}));
    const std::vector<int> rest = rowsOfGroups(groupsOf({6}));
    ASSERT_EQ(rest.size(), 18u);
    EXPECT_EQ(rest[4], 20);
    EXPECT_EQ(rest[5], 64);
    EXPECT_EQ(rowsOfGroups(groupsOf({5, 1})).front(), 1);  // group order, not click order
}

TEST(ShipCopySwap, GroupsHoldTheKeysTheirCaptionsName) {
    const auto catalogue = testing::generatedCatalogue();
    if (!catalogue) GTEST_SKIP() << "the generated catalogue is not built";
    const struct {
        int group;
        std::vector<std::string> words;
    } rows[] = {
        {1, {"Energy", "Recharge", "Speed", "Thrust", "Rotation"}},
        {2, {"Gun", "Bullet", "Multi", "Barrel"}},
        {3, {"Bomb", "Mine", "Landmine", "Shrapnel"}},
        {4, {"Burst", "Repel", "Decoy", "Thor", "Brick", "Rocket", "Portal"}},
        {5, {"Stealth", "Cloak", "XRadar", "AntiWarp"}},
    };
    for (const auto& r : rows) {
        SettingGroups g{};
        g[static_cast<std::size_t>(r.group)] = true;
        for (int row : rowsOfGroups(g)) {
            const std::string& key = (*catalogue)[shipTable(row, 0)].key;
            EXPECT_TRUE(
                std::any_of(r.words.begin(), r.words.end(),
                            [&](const std::string& w) { return key.find(w) != std::string::npos; }))
                << kSettingGroupCaptions[static_cast<std::size_t>(r.group)] << ": " << key;
        }
    }
}

TEST(ShipCopySwap, CopiesOnlyTheCheckedGroupsAsText) {
    FieldTexts fields = numberedFields();
    fields[shipTable(21, 0)] = "";         // an empty field copies as empty
    fields[shipTable(22, 0)] = "1e9 abc";  // texts, not numbers
    const FieldTexts origin = fields;

    applyFieldWrites(fields, copyShipSettings(fields, shipsOf({2}), 1, groupsOf({2})));
    FieldTexts expected = origin;
    for (int r = 21; r <= 29; ++r) expected[shipTable(r, 1)] = origin[shipTable(r, 0)];
    for (int i = 1; i <= kSettingCount; ++i) EXPECT_EQ(fields[i], expected[i]) << i;
    EXPECT_EQ(fields[shipTable(21, 1)], "");
    EXPECT_EQ(fields[shipTable(22, 1)], "1e9 abc");
}

TEST(ShipCopySwap, SwapExchangesTerrierAndWeaselAndSwappingAgainRestores) {
    const FieldTexts before = numberedFields();
    FieldTexts fields = before;
    applyFieldWrites(fields, swapShipSettings(fields, 5, 6, groupsOf({0})));
    for (int r = 1; r <= 84; ++r) {
        EXPECT_EQ(fields[shipTable(r, 4)], before[shipTable(r, 5)]);
        EXPECT_EQ(fields[shipTable(r, 5)], before[shipTable(r, 4)]);
    }
    applyFieldWrites(fields, swapShipSettings(fields, 5, 6, groupsOf({0})));
    for (int i = 1; i <= kSettingCount; ++i) EXPECT_EQ(fields[i], before[i]);
}

// The writes every operation hands back: only settings are written, a later write to a field
// wins, and each changed field is told once, in the order of its first change.
TEST(FieldWrites, WriteOnlySettingsAndTellEachChangedFieldOnce) {
    FieldTexts fields = numberedFields();
    const FieldTexts before = fields;
    const std::vector<FieldWrite> writes = {
        {0, "x"},  {kSettingCount + 1, "y"}, {9, "v9"}, {7, "a"}, {3, "c"}, {7, "b"},
        {-1, "z"}, {kSettingCount, "last"}};
    EXPECT_EQ(applyFieldWrites(fields, writes), (std::vector<int>{7, 3, kSettingCount}));
    EXPECT_EQ(fields[0], before[0]);
    EXPECT_EQ(fields[kSettingCount + 1], before[kSettingCount + 1]);
    EXPECT_EQ(fields[7], "b");
    EXPECT_EQ(fields[3], "c");
    EXPECT_EQ(fields[kSettingCount], "last");
}

}  // namespace
}  // namespace tavmir
