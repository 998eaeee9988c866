#include "mainwindow/SamePath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/mainwindow/TempFolder.h"

namespace tavmir {
namespace {

TEST(SamePath, TreatsSpellingsOfOneFileAsSameButLetterCaseAsDifferent) {
    testsupport::TempFolder dir;
    const std::string a = dir.write("a.cfg", "x");
    dir.write("A.cfg", "y");
    dir.write("sub/b.set", "z");
    std::filesystem::create_symlink(a, dir.file("link.cfg"));
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
        {a, dir.file("link.cfg"), true},
        {a, dir.file("A.cfg"), false},
        {a, dir.file("sub/b.set"), false},
        {dir.file("gone.cfg"), root + "/sub/../gone.cfg", true},  // neither exists
        {dir.file("gone.cfg"), dir.file("Gone.cfg"), false},
        {a, "", false},
        {"", "", false},
        {a, a + std::string(1, '\0') + "tail", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(samePath(row.left, row.right), row.same) << row.left << " | " << row.right;
}

}  // namespace
}  // namespace tavmir
