#include <gtest/gtest.h>

#include "common/Numeric.h"

namespace tavmir {
namespace {

TEST(Numeric, IsNumberAcceptsSignDigitsPointAndExponentOnly) {
    const std::pair<const char*, bool> rows[] = {
        {"0", true},    {"-12", true},  {"+3", true},   {"1.5", true},  {".5", true},   {"5.", true},
        {"1e5", true},  {"1E-5", true}, {"2d3", true},  {" 7\t", true}, {"&H1f", true}, {"&O17", true},
        {"", false},    {"-", false},   {".", false},   {"1e", false},  {"1.2.3", false}, {"5x", false},
        {"1,5", false}, {"&H", false},  {"&HG", false}, {"&O8", false}, {"- 5", false}, {"1 2", false},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(isNumber(text), expected) << text;
}

TEST(Numeric, LeadingNumberReadsTheNumberATextStartsWith) {
    const std::pair<const char*, double> rows[] = {
        {"010", 10},       {"10.0", 10},   {"10", 10},      {"abc", 0},     {"", 0},
        {" 1 2 ", 12},     {"-\t5", -5},   {"3.5kg", 3.5},  {"1e3x", 1000}, {"2D2", 200},
        {"1e", 1},         {"&H10", 16},   {"&HFFFF", -1},  {"&O17", 15},   {"&HFFFFFFFF", -1},
        {"+.25", 0.25},    {"7=", 7},      {"\n4", 4},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(leadingNumber(text), expected) << text;
}

TEST(Numeric, ShortestDecimalNeverUsesExponents) {
    const std::pair<double, const char*> rows[] = {
        {12, "12"}, {12.5, "12.5"}, {-3.25, "-3.25"}, {0.1, "0.1"}, {1e9, "1000000000"},
        {-0.0, "0"}, {2147483647, "2147483647"}, {0.12, "0.12"}, {-77.78, "-77.78"},
    };
    for (const auto& [x, expected] : rows) EXPECT_EQ(shortestDecimal(x), expected) << x;
}

TEST(Numeric, RoundHalfEvenOnTheDecimalAsWritten) {
    const std::tuple<double, int, double> rows[] = {
        {0.125, 2, 0.12}, {0.375, 2, 0.38}, {2.675, 2, 2.68}, {4.5, 0, 4},   {5.5, 0, 6},
        {-0.125, 2, -0.12}, {10.115, 2, 10.12}, {1.005, 2, 1.0}, {99.995, 2, 100}, {0.004, 2, 0},
        {0.005, 2, 0},    {0.015, 2, 0.02}, {123, 2, 123},    {-77.7777, 2, -77.78},
    };
    for (const auto& [x, d, expected] : rows) EXPECT_EQ(roundHalfEven(x, d), expected) << x << " " << d;
}

}  // namespace
}  // namespace tavmir
