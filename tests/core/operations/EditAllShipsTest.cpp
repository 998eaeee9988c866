#include "operations/EditAllShips.h"

#include <gtest/gtest.h>

#include "TestCatalogue.h"
#include "catalogue/StartupTables.h"
#include "document/Editing.h"

namespace tavmir {
namespace {

using testing::madeUpCatalogue;

TEST(EditAllShips, OpensOnTheShownPagesBoxWithThatShipsValue) {
    FieldTexts fields;
    fields[shipTable(13, 4)] = "44";  // Terrier
    fields[shipTable(13, 5)] = "55";  // Weasel
    EditAllShipsSession s(*madeUpCatalogue(), shipRowOfItem(*madeUpCatalogue(), shipTable(13, 4)));
    EXPECT_EQ(s.open(fields, 8, shipTable(13, 4)), 4);
    EXPECT_EQ(s.boxText(4), "44");
    EXPECT_EQ(s.boxText(5), "55");
    EXPECT_EQ(s.frameCaption(), "InitialRotation");
    EXPECT_EQ(s.descriptionLine(), "(Low:0  High:3000) Ship value of InitialRotation");

    // The field can stay focused while a general page is shown; its own column is used.
    EXPECT_EQ(s.open(fields, 2, shipTable(13, 6)), 6);
    EXPECT_EQ(s.open(fields, 12, shipTable(13, 8)), 8);
    EXPECT_EQ(s.open(fields, 4, shipTable(13, 0)), 0);  // the Warbird's own box
    EXPECT_EQ(s.focusedShip(), 0);

    // Opened on the Javelin, whose entry has limits and a description of its own, the row
    // still shows the Warbird's.
    EXPECT_EQ(s.open(fields, 5, shipTable(13, 1)), 1);
    EXPECT_EQ(s.descriptionLine(), "(Low:0  High:3000) Ship value of InitialRotation");
}

TEST(EditAllShips, StepsWrapAroundAndWriteBackOnlyChangedBoxes) {
    FieldTexts fields;
    for (int k = 0; k < 8; ++k) fields[shipTable(84, k)] = "5";
    std::vector<FieldWrite> applied;
    const ApplyWrites apply = [&](const std::vector<FieldWrite>& w) {
        applied.insert(applied.end(), w.begin(), w.end());
        applyFieldWrites(fields, w);
    };

    EditAllShipsSession s(*madeUpCatalogue(), 1);
    s.open(fields, 4, shipTable(1, 0));
    s.previousSetting(fields, apply);
    EXPECT_EQ(s.shownRow(), 84);
    EXPECT_TRUE(applied.empty());
    EXPECT_EQ(s.boxText(3), "5");

    s.editShipBox(2, "77");
    s.nextSetting(fields, apply);
    EXPECT_EQ(s.shownRow(), 1);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].field, shipTable(84, 2));
    EXPECT_EQ(fields[shipTable(84, 2)], "77");

    s.previousSetting(fields, apply);
    EXPECT_EQ(s.boxText(2), "77");  // the next row is read after the write
}

TEST(EditAllShips, ClosingSaysWhichFieldAndPageTheEditorShows) {
    FieldTexts fields;
    EditAllShipsSession s(*madeUpCatalogue(), 30);
    s.open(fields, 12, shipTable(30, 8));
    EXPECT_EQ(s.close(fields, nullptr), (EditAllShipsSession::Closing{shipTable(30, 8), 12}));
    s.focusBox(4);
    s.editShipBox(4, "9");
    std::vector<FieldWrite> applied;
    EXPECT_EQ(s.close(fields, [&](const std::vector<FieldWrite>& w) { applied = w; }),
              (EditAllShipsSession::Closing{shipTable(30, 4), 8}));
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].text, "9");
}

}  // namespace
}  // namespace tavmir
