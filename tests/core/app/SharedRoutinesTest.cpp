#include "app/SharedRoutines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace tavmir {
namespace {

TEST(SharedRoutines, KeyFiltersLetThroughOnlyTheirCharacters) {
    struct Row {
        char16_t code;
        bool numeric, text;
    };
    const Row rows[] = {
        {u'0', true, true},   {u'9', true, true},     {u'-', true, true},  {8, true, true},
        {u'.', false, true},  {u',', false, true},    {u'a', false, true}, {u' ', false, true},
        {127, false, true},   {31, false, false},     {13, false, false},  {128, false, false},
        {0xE9, false, false}, {0x20AC, false, false}, {0, false, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(numericKeyFilter(r.code), r.numeric ? r.code : 0) << int(r.code);
        EXPECT_EQ(textKeyFilter(r.code), r.text ? r.code : 0) << int(r.code);
    }
}

TEST(SharedRoutines, FormatsElapsedTimeWithTheRequestedPrecision) {
    struct Row {
        std::int32_t ms;
        std::string precision, expected;
    };
    const Row rows[] = {
        {59999, "M", "00:59.999"},    {3600000, "X", "01:00:00"},
        {3600000, "", "01:00:00"},    {61000, "c", "01:01.00"},
        {61990, "Cents", "01:01.99"}, {61990, "d", "01:01.9"},
        {5, "m", "00:00.005"},        {0, "M", "00:00.000"},
        {360000000, "", "100:00:00"}, {2147483647, "M", "596:31:23.647"},
        {-5, "M", "00:00.000"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(formatElapsedTime(r.ms, r.precision), r.expected) << r.ms << " " << r.precision;
    }
}

TEST(SharedRoutines, PadsOrCutsTextToWidth) {
    struct Row {
        std::string text;
        int alignment;
        std::int32_t width;
        std::string fill, expected;
    };
    const Row rows[] = {
        {"abcde", 2, 3, " ", "cde"}, {"abcde", 1, 3, " ", "abc"}, {"abcde", 3, 3, " ", ""},
        {"abc", 1, 3, " ", "abc"},   {"ab", 1, 5, " ", "ab   "},  {"ab", 2, 5, "-=", "---ab"},
        {"ab", 2, 4, "", "  ab"},    {"ab", 1, 0, " ", ""},       {"ab", 1, -1, " ", ""},
        {"ab", 1, 1 << 30, " ", ""}, {"abc", 3, 3, " ", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(padText(r.text, r.alignment, r.width, r.fill), r.expected)
            << r.text << " " << r.alignment << " " << r.width;
    }
    EXPECT_EQ(padText("ab", 1, 4), "ab  ");
}

TEST(SharedRoutines, SplitsAMultipleSelectionIntoFullPaths) {
    using namespace std::string_literals;
    struct Row {
        std::string selection;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"/home/u/a.cfg", {"/home/u/a.cfg"}},
        {"/home/u\0a.cfg"s, {"/home/u/a.cfg"}},
        {"/home/u\0a.cfg\0b c.set"s, {"/home/u/a.cfg", "/home/u/b c.set"}},
        {"/\0a.cfg"s, {"/a.cfg"}},
        {"/home/u/\0a.cfg\0\0"s, {"/home/u/a.cfg"}},
        {"/home/u\0"s, {}},
    };
    for (const Row& r : rows) EXPECT_EQ(splitFileSelection(r.selection), r.expected);
}

// Hands out the given draws in order, then repeats the last one.
RandomSource scripted(std::vector<double> draws) {
    return [draws, i = std::size_t{0}]() mutable { return draws[std::min(i++, draws.size() - 1)]; };
}

TEST(SharedRoutines, TemporaryNamesAreTwoLettersSixDigitsAndFree) {
    test::TempDir folder;
    const std::string dir = folder.path().string();
    struct Row {
        std::string folder;
        std::vector<double> draws;
        std::string expected;
    };
    const Row rows[] = {
        {dir, {0.0, 0.999, 0.00123}, dir + "/az000123.tmp"},
        {dir + "/", {0.5, 0.04, 0.999999}, dir + "/nb099999.tmp"},
        {"", {0.1, 0.2, 0.3}, "cf030000.tmp"},
        {dir, {1.0, -0.5, 7.0}, dir + "/za099999.tmp"},
        // The first name is taken, so the next three draws are used.
        {dir, {0.0, 0.0, 0.0, 0.0, 0.0, 0.5}, dir + "/aa050000.tmp"},
    };
    test::writeBytes(folder.path() / "aa000000.tmp", "");
    for (const Row& r : rows) EXPECT_EQ(temporaryFileName(r.folder, scripted(r.draws)), r.expected);

    // Every draw naming an existing file ends in failure instead of an endless search.
    EXPECT_EQ(temporaryFileName(dir, scripted({0.0})), "");

    const std::string name = temporaryFileName(dir);
    const std::string base = name.substr(dir.size() + 1);
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    ASSERT_EQ(base.size(), 12u) << name;
    EXPECT_TRUE(lower(base[0]) && lower(base[1]) && base[2] == '0') << name;
    EXPECT_TRUE(std::all_of(base.begin() + 3, base.begin() + 8, digit)) << name;
    EXPECT_EQ(base.substr(8), ".tmp");
    EXPECT_FALSE(std::filesystem::exists(name));
}

}  // namespace
}  // namespace tavmir
