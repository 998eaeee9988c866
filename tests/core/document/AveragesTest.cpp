#include <gtest/gtest.h>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "core/document/DocumentTestSupport.h"
#include "document/Averages.h"

namespace tavmir {
namespace {

constexpr int kRow = 3;

FieldTexts rowOf(const std::array<std::string, kShipCount>& values) {
    FieldTexts fields;
    for (int c = 0; c < kShipCount; ++c)
        fields[shipTable(kRow, c)] = values[static_cast<std::size_t>(c)];
    return fields;
}

TEST(Averages, TakeTheMeanOfTheEightShipsToTwoDecimals) {
    struct Row {
        std::array<std::string, kShipCount> values;
        std::string average;
        std::string warbird;  // annotation of the Warbird value
        std::string shark;    // annotation of the Shark value
    };
    const std::string max = "2147483647";
    const Row rows[] = {
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "4.5", "(-77.78%  Avg:4.5) ", "(+77.78%  Avg:4.5) "},
        {{"0", "0", "0", "0", "0", "0", "0", "0"}, "0", "(+0%  Avg:0) ", "(+0%  Avg:0) "},
        // 0.125 goes to the even digit.
        {{"1", "0", "0", "0", "0", "0", "0", "0"}, "0.12", "(+733.33%  Avg:0.12) ", "(-100%  Avg:0.12) "},
        {{"10", "10", "10", "10", "10", "10", "10", "11"}, "10.12", "(-1.19%  Avg:10.12) ", "(+8.7%  Avg:10.12) "},
        // Empty and non-numeric texts count as 0; a number followed by text counts as the number.
        {{"", "8", "8", "8", "8", "8", "8", "8"}, "7", "(-100%  Avg:7) ", "(+14.29%  Avg:7) "},
        {{"abc", "12abc", "0", "0", "0", "0", "0", "4"}, "2", "(-100%  Avg:2) ", "(+100%  Avg:2) "},
        {{"-10", "-10", "-10", "-10", "-10", "-10", "-10", "-6"}, "-9.5", "(+5.26%  Avg:-9.5) ",
         "(-36.84%  Avg:-9.5) "},
        {{max, max, max, max, max, max, max, max}, max, "(+0%  Avg:" + max + ") ", "(+0%  Avg:" + max + ") "},
    };
    for (const Row& r : rows) {
        FieldTexts fields = rowOf(r.values);
        recalculateRow(fields, kRow);
        const std::string& average = fields[shipTable(kRow, kAverageColumn)];
        EXPECT_EQ(average, r.average) << r.values[0] << " .. " << r.values[7];
        EXPECT_EQ(averageAnnotation(fields[shipTable(kRow, 0)], average), r.warbird) << r.average;
        EXPECT_EQ(averageAnnotation(fields[shipTable(kRow, 7)], average), r.shark) << r.average;
    }
}

TEST(Averages, WriteATinyNegativeDifferenceAsPlusZero) {
    // -0.001 % rounds to a negative zero, which is still "0 or more".
    EXPECT_EQ(averageAnnotation("99.999", "100"), "(+0%  Avg:100) ");
    EXPECT_EQ(averageAnnotation("99.99", "100"), "(-0.01%  Avg:100) ");
}

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

TEST(Averages, CountAnAverageThatIsNoNumberAsZero) {
    for (const std::string average : {"", "abc", "0.00"})
        EXPECT_EQ(averageAnnotation("50", average), "(+0%  Avg:" + average + ") ");
}

TEST(Averages, FullRecomputationFillsEveryRowAndTooltipWithoutAnEdit) {
    const auto cat = documenttest::testCatalogue();
    EditorDocument doc(cat);
    doc.setFilePath("/z/a.cfg");
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c) doc.fields()[shipTable(r, c)] = std::to_string(c + 1);
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
