#include "operations/DocumentEdits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestCatalogue.h"
#include "catalogue/StartupTables.h"
#include "document/Averages.h"
#include "document/Layout.h"
#include "support/DocumentTestAccess.h"

namespace tavmir {
namespace {

class DocumentEdits : public ::testing::Test {
  protected:
    void SetUp() override {
        catalogue = testing::generatedCatalogue();
        if (!catalogue) GTEST_SKIP() << "generated catalogue not built";
        doc = std::make_unique<EditorDocument>(catalogue);
        for (int c = 0; c < kShipCount; ++c)
            DocumentTestAccess::fields(*doc)[shipTable(1, c)] = "10";
        doc->calculateAverageShipPage();
    }
    std::shared_ptr<const Catalogue> catalogue;
    std::unique_ptr<EditorDocument> doc;
};

TEST_F(DocumentEdits, TypedWritesRunTheChangeHandlingOfEachField) {
    const int warbird = shipTable(1, 0);
    const std::string tooltipBefore = doc->tooltip(warbird);
    EXPECT_EQ(doc->applyWrites("Typed", StepKind::Typed, {{warbird, "18"}, {0, "x"}, {1046, "x"}}),
              1);
    EXPECT_EQ(doc->text(warbird), "18");
    EXPECT_EQ(doc->text(shipTable(1, kAverageColumn)), "11");
    EXPECT_NE(doc->tooltip(warbird), tooltipBefore);
    EXPECT_TRUE(doc->modified());
    EXPECT_FALSE(doc->loading());
}

TEST_F(DocumentEdits, BulkWritesMarkModifiedRecomputeAndCutToTheField) {
    EXPECT_EQ(doc->applyWrites("Bulk", StepKind::Bulk, {}), 0);
    EXPECT_TRUE(doc->modified());  // even when nothing changed

    DocumentTestAccess::setModified(*doc, false);
    const int javelin = shipTable(1, 1);
    const int length = fieldMaxLength(*catalogue, javelin);
    ASSERT_GT(length, 0);
    const std::string tooLong(static_cast<std::size_t>(length) + 5, '9');
    EXPECT_EQ(doc->applyWrites("Bulk", StepKind::Bulk,
                               {{shipTable(1, 0), "18"}, {javelin, tooLong}, {2000, "1"}}),
              2);
    EXPECT_EQ(doc->text(javelin), tooLong.substr(0, static_cast<std::size_t>(length)));
    EXPECT_EQ(doc->text(shipTable(1, kAverageColumn)),
              averageTextOfSum(18.0 + std::pow(10.0, length) - 1 + 60.0));
    EXPECT_TRUE(doc->modified());
    EXPECT_FALSE(doc->loading());
}

TEST_F(DocumentEdits, ImportChangesFieldComparesTheTextTheFieldWouldKeep) {
    const int item = shipTable(1, 2);
    const int length = fieldMaxLength(*catalogue, item);
    TransferRecord same{item, "", "", "10", false};
    TransferRecord other{item, "", "", "11", false};
    DocumentTestAccess::fields(*doc)[item] = std::string(static_cast<std::size_t>(length), '7');
    TransferRecord cutToSame{item, "", "", doc->text(item) + "77", false};
    EXPECT_FALSE(importChangesField(*doc, cutToSame));
    EXPECT_FALSE(importChangesField(*doc, TransferRecord{0, "", "", "1", false}));
}

}  // namespace
}  // namespace tavmir
