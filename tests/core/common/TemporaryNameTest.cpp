#include "common/TemporaryName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace tavmir {
namespace {

// Hands out the given draws in order, then repeats the last one.
RandomSource scripted(std::vector<double> draws) {
    return [draws, i = std::size_t{0}]() mutable { return draws[std::min(i++, draws.size() - 1)]; };
}

TEST(TemporaryName, TemporaryNamesAreTwoLettersSixDigitsAndFree) {
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
