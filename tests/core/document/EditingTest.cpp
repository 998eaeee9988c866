#include <gtest/gtest.h>

#include "catalogue/StartupTables.h"
#include "core/document/DocumentTestSupport.h"
#include "document/Editing.h"

namespace tavmir {
namespace {

using namespace documenttest;

// A document showing `page` whose ship rows all hold `value`, with averages computed.
std::unique_ptr<EditorDocument> documentOnPage(int page, const std::string& value = "0") {
    auto doc = std::make_unique<EditorDocument>(testCatalogue());
    doc->setFilePath("/zone/arena.cfg");
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c) doc->fields()[shipTable(r, c)] = value;
    doc->calculateAverageShipPage();
    doc->showPage(page);
    return doc;
}

// Which characters each filter lets through is the filters' own test; here: which filter a
// field gets. The Average Ship page filters nothing: its fields take no typing at all.
TEST(Editing, KeyFiltersDropWhatAFieldCannotHold) {
    const auto cat = testCatalogue();
    const int rows[][4] = {{1, 1, '5', '5'},       {1, 1, '.', 0},           {287, 4, '7', '7'},
                           {287, 4, 'x', 0},       {kText, 1, ' ', ' '},     {kText, 1, 128, 0},
                           {962, 12, 'x', 'x'}};
    for (const auto& r : rows) EXPECT_EQ(filterFieldKey(*cat, r[0], r[1], r[2]), r[3]) << r[0] << " key " << r[2];
    EXPECT_EQ(keyFilterFor(*cat, 962, 12), KeyFilter::kNone);
}

TEST(Editing, FocusEnablesTheEditCommandsOfItsField) {
    const auto cat = testCatalogue();
    using C = FieldCommand;
    const std::tuple<int, EditCommands, FieldCommand> rows[] = {
        {1, {false, false}, C::kNone},     {286, {false, false}, C::kNone},
        {287, {true, false}, C::kEditSettingForAllShips},  {958, {true, false}, C::kEditSettingForAllShips},
        {kText, {false, true}, C::kEditAlphanumericSetting}, {961, {false, false}, C::kNone},
        {962, {true, false}, C::kEditSettingForAllShips}, {1045, {true, false}, C::kEditSettingForAllShips},
    };
    for (const auto& [item, commands, doubleClick] : rows) {
        EXPECT_EQ(editCommandsFor(*cat, item), commands) << item;
        EXPECT_EQ(doubleClickCommand(*cat, item), doubleClick) << item;
    }
}

TEST(Editing, KnowsTheShipAndRowOfEachItem) {
    const auto cat = testCatalogue();
    // Records within a group of eight run Warbird, Javelin, Spider, Leviathan, Weasel, Terrier.
    const int rows[][2] = {{287, 1}, {291, 6}, {292, 5}, {958, 8},
                           {1, 0},   {961, 0}, {962, 0}, {0, 0}};
    for (const auto& r : rows) EXPECT_EQ(shipOfItem(*cat, r[0]), r[1]) << r[0];
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c <= kAverageColumn; ++c) EXPECT_EQ(shipRowOfItem(*cat, shipTable(r, c)), r);
    EXPECT_EQ(shipRowOfItem(*cat, 1), 0);
}

TEST(Editing, RemarkDescribesTheFocusedField) {
    struct Row {
        int page, item;
        std::string value;  // the value of every ship field
        std::string remark;
    };
    const std::string row1Average = "(Low:100  High:5000) Energy";
    const Row rows[] = {
        {1, kRanged, "0", "(Low:0  High:4) Damage level"},
        {1, kBare, "0", ""},
        {2, 100, "0", "Setting 100"},
        {4, kWarbirdRow1, "0", "(+0%  Avg:0) (Low:100  High:5000) Energy"},
        {4, kUndescribedShip, "0", "(+0%  Avg:0) "},
        {12, 962, "5", row1Average},
        {12, 964, "5", "Setting " + std::to_string(shipTable(3, 0))},
        {12, 963, "5", ""},  // its Warbird setting has no description
    };
    for (const Row& r : rows) {
        auto doc = documentOnPage(r.page, r.value);
        ASSERT_TRUE(doc->focusField(r.item));
        EXPECT_EQ(doc->remark(), r.remark) << r.item;
        EXPECT_TRUE(doc->fieldHasFocus() && doc->focusedItem() == r.item);
    }
    // A ship value above or below its average.
    auto doc = documentOnPage(4, "100");
    const std::pair<std::string, std::string> offAverage[] = {{"120", "(+20%  Avg:100) "}, {"80", "(-20%  Avg:100) "}};
    for (const auto& [value, remark] : offAverage) {
        doc->fields()[kWarbirdRow1] = value;
        doc->focusField(kWarbirdRow1);
        EXPECT_EQ(doc->remark(), remark + row1Average);
    }
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

TEST(Editing, ChangesWhileLoadingAreNotEdits) {
    auto doc = documentOnPage(4, "10");
    doc->setLoading(true);
    const FieldChange change = doc->editField(287, "50");
    doc->setLoading(false);
    EXPECT_EQ(doc->text(287), "50");
    EXPECT_EQ(doc->text(962), "10");
    EXPECT_FALSE(doc->modified() || change.averageField != 0 || change.caption);
}

}  // namespace
}  // namespace tavmir
