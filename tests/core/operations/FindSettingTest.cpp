#include "operations/FindSetting.h"

#include <gtest/gtest.h>

#include "TestCatalogue.h"
#include "catalogue/StartupTables.h"

namespace tavmir {
namespace {

using testing::madeUpCatalogue;

// Find, Find Next and the find dialog's refusals are tables (find-setting.tsv,
// find-refusals.tsv); here: the alphanumeric edit.
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
