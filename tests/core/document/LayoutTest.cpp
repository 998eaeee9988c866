#include <gtest/gtest.h>

#include "catalogue/StartupTables.h"
#include "core/document/DocumentTestSupport.h"
#include "document/Layout.h"
#include "support/MasterFileBuilder.h"

namespace tavmir {
namespace {

using documenttest::testCatalogue;

TEST(Layout, PagesListTheirFieldsInTableOrder) {
    const auto& general1 = pageFields(1);
    ASSERT_EQ(general1.size(), 94u);
    EXPECT_EQ(general1.front(), 1);
    EXPECT_EQ(std::vector<int>(general1.end() - 4, general1.end()),
              (std::vector<int>{91, 959, 960, 961}));
    EXPECT_EQ(std::tie(pageFields(2).front(), pageFields(3).back()), std::make_tuple(92, 286));
    EXPECT_EQ(pageFields(2).size() + pageFields(3).size(), 96u + 99u);
    for (int page = 4; page <= 11; ++page) {
        ASSERT_EQ(pageFields(page).size(), 84u);
        for (int r = 1; r <= kShipRows; ++r)
            EXPECT_EQ(pageFields(page)[static_cast<std::size_t>(r - 1)], shipTable(r, page - 4));
    }
    ASSERT_EQ(pageFields(12).size(), 84u);
    EXPECT_EQ(std::tie(pageFields(12).front(), pageFields(12).back()), std::make_tuple(962, 1045));
    EXPECT_TRUE(pageFields(0).empty() && pageFields(13).empty());
}

TEST(Layout, LeavesThePageAloneForAShipSettingOfNoShipSection) {
    test::MasterFileBuilder builder;
    builder.records[300 - 1].section = "Misc";
    const auto cat = Catalogue::parse(builder.pack(), "mset.dat").catalogue;
    ASSERT_TRUE(cat);
    EXPECT_EQ(pageForItem(*cat, 300), std::nullopt);
    EditorDocument doc(cat);
    doc.showPage(5);
    EXPECT_FALSE(doc.setPageForItem(300));
    EXPECT_EQ(doc.currentPage(), 5);
}

TEST(Layout, CaptionsAndTooltipsComeFromTheCatalogue) {
    const auto cat = testCatalogue();
    EXPECT_EQ(labelCaption(*cat, 1), "Gen:G1");
    EXPECT_EQ(labelCaption(*cat, documenttest::kWarbirdRow1), "K4");
    EXPECT_EQ(labelCaption(*cat, 962), "K4");
    EXPECT_EQ(loadTooltip(*cat, documenttest::kRanged), "(Low:0  High:4) Damage level");
    EXPECT_EQ(loadTooltip(*cat, 1), "Setting 1");
    EXPECT_EQ(loadTooltip(*cat, documenttest::kBare), "");
    EXPECT_EQ(loadTooltip(*cat, 962), "(Low:100  High:5000) Energy");
    SettingDef negative;
    negative.lowLimit = -30;
    EXPECT_EQ(limitsText(negative), "(Low:-30  High:0) ");
}

TEST(Layout, TabIndexesFollowTheTabOrder) {
    const auto cat = testCatalogue();  // tab order is the reverse of the setting numbers
    const std::vector<int> tab = fieldTabIndexes(*cat);
    EXPECT_EQ((std::vector<int>{tab[961], tab[960], tab[1], tab[962], tab[1045]}),
              (std::vector<int>{13, 14, 973, 974, 1057}));
}

TEST(Layout, RealCataloguePutsEverySettingOnItsOwnPageAndPlace) {
    const auto cat = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    if (!cat) GTEST_SKIP() << "mset.dat has not been generated";
    std::vector<int> pageOf(kFieldCount + 1, 0);
    for (int page = 1; page <= kPageCount; ++page) {
        std::vector<FieldPlacement> seen;
        for (int item : pageFields(page)) {
            EXPECT_EQ(pageOf[static_cast<std::size_t>(item)], 0) << item << " on two pages";
            pageOf[static_cast<std::size_t>(item)] = page;
            EXPECT_EQ(pageForItem(*cat, item), page) << item;
            const FieldPlacement place = fieldPlacement(*cat, item);
            for (const FieldPlacement& other : seen)
                EXPECT_NE(place, other) << "page " << page << " item " << item;
            seen.push_back(place);
        }
    }
    for (int item = 1; item <= kFieldCount; ++item)
        EXPECT_NE(pageOf[static_cast<std::size_t>(item)], 0) << item;
    EXPECT_EQ(labelCaption(*cat, 962), (*cat)[shipTable(1, 0)].key);
}

}  // namespace
}  // namespace tavmir
