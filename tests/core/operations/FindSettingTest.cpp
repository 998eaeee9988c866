#include "operations/FindSetting.h"

#include <gtest/gtest.h>

#include "TestCatalogue.h"
#include "catalogue/StartupTables.h"

namespace tavmir {
namespace {

using testing::madeUpCatalogue;

// The made-up catalogue's tab order is the reverse of the setting numbers, so among the
// eight InitialRotation settings (287..294) 294 comes first and 287 last.
SearchState keySearch(std::string text) { return {std::move(text), false, true, false}; }

TEST(FindSetting, FindTakesTheFirstMatchInTabOrder) {
    EXPECT_EQ(findSetting(*madeUpCatalogue(), keySearch("initialrotation")).item, 294);
    EXPECT_EQ(findSetting(*madeUpCatalogue(), {"a sheep", false, false, true}).item, 959);
    const FindResult none = findSetting(*madeUpCatalogue(), keySearch("zzz"));
    EXPECT_EQ(none.item, 0);
    EXPECT_EQ(none.message, "String not found");
    EXPECT_EQ(findSetting(*madeUpCatalogue(), {"BULLET", true, false, false}).item, 10);
    EXPECT_EQ(findSetting(*madeUpCatalogue(), {"one bullet", true, true, false}).item, 0);
    EXPECT_EQ(findSetting(*madeUpCatalogue(), {"", true, true, true}).item, 0);
}

TEST(FindSetting, FindNextStartsAfterTheFocusedFieldAndWraps) {
    const SearchState rotation = keySearch("initialrotation");
    const struct {
        SearchState search;
        EditorFocus focus;
        int found;
    } rows[] = {
        {rotation, {true, 4, 294}, 293},
        {rotation, {true, 4, 288}, 287},
        {rotation, {true, 4, 287}, 294},  // wraps from the last match
        {rotation, {true, 1, 500}, 294},  // 500 lies before 294 in tab order
        {rotation, {true, 4, 293}, 292},
        {rotation, {true, 12, 962}, 294},               // Average Ship page: from the start
        {rotation, {true, 1, 1000}, 294},               // an average field has no tab position
        {rotation, {false, 4, 293}, 294},               // no field focused: from the start
        {keySearch("damagelevel"), {true, 1, 10}, 10},  // the only match stays found
        {keySearch(""), {true, 4, 293}, 0},             // before any find
        {keySearch("zzz"), {true, 4, 293}, 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(findNextSetting(*madeUpCatalogue(), r.search, r.focus), r.found)
            << r.search.findText << " from " << r.focus.focusedItem;
    // The first tab entry is setting 961, so a focus on it still starts after it.
    EXPECT_EQ(findNextSetting(*madeUpCatalogue(), keySearch("g961"), {true, 1, 961}), 961);
}

TEST(FindSetting, FindDialogRefusesEmptyTextThenNoPlaceToSearch) {
    SearchState search = keySearch("old");
    FindDialogRefusal r = acceptFindDialog("   ", true, true, true, search);
    EXPECT_EQ(r.message, "Insert text to find");
    EXPECT_EQ(r.focus, FindDialogControl::FindText);
    r = acceptFindDialog("x", false, false, false, search);
    EXPECT_EQ(r.message, "Select where to search");
    EXPECT_EQ(r.focus, FindDialogControl::KeyBox);
    EXPECT_EQ(search.findText, "old");  // refusals leave the state as it was

    r = acceptFindDialog("  Bullet Speed ", true, false, true, search);
    EXPECT_FALSE(r.refused());
    EXPECT_EQ(search.findText, "Bullet Speed");
    EXPECT_TRUE(search.searchSection);
    EXPECT_FALSE(search.searchKey);
    EXPECT_TRUE(search.searchRemark);
}

TEST(FindSetting, AlphanumericEditShowsTheSettingAndWritesOnlyAChange) {
    FieldTexts fields;
    fields[959] = "Hello";
    const AlphanumEdit e = openAlphanumEdit(*madeUpCatalogue(), fields, 959);
    EXPECT_EQ(e.frameCaption, "Misc:SheepMessage");
    EXPECT_EQ(e.tooltip, "Text shown for a sheep");
    EXPECT_EQ(e.text, "Hello");
    EXPECT_EQ(openAlphanumEdit(*madeUpCatalogue(), fields, 1000).item, 0);

    EXPECT_TRUE(acceptAlphanumEdit(fields, 959, "Hello").empty());
    EXPECT_TRUE(acceptAlphanumEdit(fields, 1000, "x").empty());
    const std::vector<FieldWrite> w = acceptAlphanumEdit(fields, 959, "Hi there");
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].field, 959);
    EXPECT_EQ(w[0].text, "Hi there");
}

}  // namespace
}  // namespace tavmir
