#include <gtest/gtest.h>

#include "catalogue/StartupTables.h"
#include "core/document/DocumentTestSupport.h"
#include "document/Editing.h"
#include "support/DocumentTestAccess.h"

namespace tavmir {
namespace {

using namespace documenttest;

// A document showing `page` whose ship rows all hold `value`, with averages computed.
std::unique_ptr<EditorDocument> documentOnPage(int page, const std::string& value = "0") {
    auto doc = std::make_unique<EditorDocument>(testCatalogue());
    doc->setFilePath("/zone/arena.cfg");
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c)
            DocumentTestAccess::fields(*doc)[shipTable(r, c)] = value;
    doc->calculateAverageShipPage();
    doc->showPage(page);
    return doc;
}

// Key filters, Edit commands, remarks and ships of single fields are tables (field-key.tsv,
// field-commands.tsv, focus-remark.tsv); here: every ship-table cell knows its row.
TEST(Editing, KnowsTheRowOfEveryShipTableCell) {
    const auto cat = testCatalogue();
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c <= kAverageColumn; ++c)
            EXPECT_EQ(shipRowOfItem(*cat, shipTable(r, c)), r);
}

TEST(Editing, LosingTheFocusClearsRemarkAndCommands) {
    auto doc = documentOnPage(4);
    doc->focusField(287);
    EXPECT_TRUE(doc->editCommands().editSettingForAllShips);
    doc->blurField();
    EXPECT_EQ(doc->editCommands(), EditCommands{});
    EXPECT_EQ(doc->remark(), "");
    EXPECT_FALSE(doc->fieldHasFocus());
    EXPECT_EQ(doc->focusedItem(), 287);  // kept for the edit-for-all-ships command
}

TEST(Editing, PageSwitchesIgnoreTheFocusEventsTheyCause) {
    auto doc = documentOnPage(4);
    doc->focusField(287);
    const std::string remark = doc->remark();
    bool applied = false;
    EXPECT_TRUE(doc->showPage(5, [&](int from, int to) {
        applied = true;
        EXPECT_EQ(from, 4);
        EXPECT_EQ(to, 5);
        EXPECT_TRUE(doc->pageSwitching());
        EXPECT_FALSE(doc->blurField());
        EXPECT_FALSE(doc->focusField(288));
    }));
    EXPECT_TRUE(applied);
    EXPECT_FALSE(doc->pageSwitching());
    EXPECT_EQ(doc->currentPage(), 5);
    EXPECT_EQ(doc->focusedItem(), 287);
    EXPECT_EQ(doc->remark(), remark);
    EXPECT_TRUE(doc->editCommands().editSettingForAllShips);

    EXPECT_FALSE(doc->showPage(5, [&](int, int) { ADD_FAILURE() << "same page shown again"; }));
    EXPECT_FALSE(doc->showPage(13));
    EXPECT_FALSE(doc->showPage(0));
    EXPECT_TRUE(doc->pageDown());
    EXPECT_EQ(doc->currentPage(), 6);
    EXPECT_TRUE(doc->setPageForItem(292));
    EXPECT_EQ(doc->currentPage(), 8);
}

TEST(Editing, TypingMarksTheDocumentModified) {
    auto doc = documentOnPage(1);
    EXPECT_EQ(doc->caption(), "/zone/arena.cfg");
    const FieldChange change = doc->editField(1, "7");
    EXPECT_TRUE(doc->modified());
    EXPECT_EQ(doc->caption(), "/zone/arena.cfg *");
    EXPECT_EQ(doc->text(1), "7");
    EXPECT_FALSE(change.averageField != 0 || change.tooltip);
    // Typing still going on in the first setting is already a step Undo can take back.
    EXPECT_TRUE(doc->canUndo());
    EXPECT_FALSE(doc->canRedo());
    doc->editField(kText, "toolong");
    EXPECT_EQ(doc->text(kText), "toolo");  // the field holds at most its maximum length
}

TEST(Editing, TypingInAShipFieldRecomputesOnlyItsRowAndItsOwnAnnotation) {
    auto doc = documentOnPage(5, "10");
    const int javelin = shipTable(1, 1);
    const int warbird = shipTable(1, 0);
    const std::string warbirdTip = doc->tooltip(warbird);
    const FieldChange change = doc->editField(javelin, "90");
    EXPECT_EQ(change.averageField, 962);
    EXPECT_EQ(doc->text(962), "20");
    EXPECT_EQ(doc->text(963), "10");  // other rows untouched
    EXPECT_EQ(doc->tooltip(javelin), "(+350%  Avg:20) Setting " + std::to_string(javelin));
    EXPECT_EQ(doc->remark(), doc->tooltip(javelin));
    EXPECT_EQ(doc->tooltip(warbird), warbirdTip);  // refreshed only by a full recomputation
    doc->calculateAverageShipPage();
    EXPECT_EQ(doc->tooltip(warbird), "(-50%  Avg:20) (Low:100  High:5000) Energy");
}

}  // namespace
}  // namespace tavmir
