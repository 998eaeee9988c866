#include "mainwindow/SamePath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace tavmir {
namespace {

TEST(SamePath, TreatsSpellingsOfOneFileAsSameButLetterCaseAsDifferent) {
    test::TempDir dir;
    const std::string a = dir.file("a.cfg", "x");
    dir.file("A.cfg", "y");
    dir.file("sub/b.set", "z");
    std::filesystem::create_symlink(a, dir.path("link.cfg"));
    const std::string root = dir.path().string();

    struct Row {
        std::string left;
        std::string right;
        bool same;
    };
    const Row rows[] = {
        {a, a, true},
        {a, root + "/sub/../a.cfg", true},
        {a, root + "/./a.cfg", true},
        {a, root + "//a.cfg", true},
        {a, dir.path("link.cfg"), true},
        {a, dir.path("A.cfg"), false},
        {a, dir.path("sub/b.set"), false},
        {dir.path("gone.cfg"), root + "/sub/../gone.cfg", true},  // neither exists
        {dir.path("gone.cfg"), dir.path("Gone.cfg"), false},
        {a, "", false},
        {"", "", false},
        {a, a + std::string(1, '\0') + "tail", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(samePath(row.left, row.right), row.same) << row.left << " | " << row.right;
}

}  // namespace
}  // namespace tavmir
