#include <gtest/gtest.h>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "core/document/DocumentTestSupport.h"
#include "document/Averages.h"
#include "support/DocumentTestAccess.h"

namespace tavmir {
namespace {

// The averages and annotations of single rows are tables (row-average.tsv,
// average-annotation.tsv); here: the shortcut agrees with the rounding rule, and a full
// recomputation.
TEST(Averages, AgreeWithTheExactHalfEvenRuleEverywhere) {
    // The averages and percentages take a shortcut around the decimal rounding routine; it
    // must never change a result, least of all at the halves.
    const char* const averages[] = {"4.5", "0.12", "10.12", "-9.5", "3", "0.01", "7.33", "1000000"};
    for (const char* averageText : averages) {
        const double a = *numberValue(averageText);
        for (int v = -3000; v <= 3000; ++v) {
            const double exact = roundHalfEven((v - a) * 100 / a, 2) + 0.0;
            EXPECT_EQ(percentageFromAverage(std::to_string(v), averageText), exact)
                << v << " / " << averageText;
        }
    }
    for (int sum = -20000; sum <= 20000; ++sum) {
        const std::string exact = shortestDecimal(roundHalfEven(sum / 8.0, 2) + 0.0);
        ASSERT_EQ(averageTextOfSum(sum), exact) << sum;
    }
    EXPECT_EQ(averageTextOfSum(8 * 1e15 + 1),
              shortestDecimal(roundHalfEven((8 * 1e15 + 1) / 8, 2)));
}

TEST(Averages, FullRecomputationFillsEveryRowAndTooltipWithoutAnEdit) {
    const auto cat = documenttest::testCatalogue();
    EditorDocument doc(cat);
    doc.setFilePath("/z/a.cfg");
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c)
            DocumentTestAccess::fields(doc)[shipTable(r, c)] = std::to_string(c + 1);
    doc.calculateAverageShipPage();
    for (int r = 1; r <= kShipRows; ++r) EXPECT_EQ(doc.text(shipTable(r, kAverageColumn)), "4.5");
    EXPECT_EQ(doc.tooltip(shipTable(3, 0)),
              "(-77.78%  Avg:4.5) Setting " + std::to_string(shipTable(3, 0)));
    EXPECT_EQ(doc.tooltip(documenttest::kWarbirdRow1),
              "(-77.78%  Avg:4.5) (Low:100  High:5000) Energy");
    EXPECT_FALSE(doc.modified() || doc.loading());
    EXPECT_EQ(doc.caption(), "/z/a.cfg");
}

}  // namespace
}  // namespace tavmir
