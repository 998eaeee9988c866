#include "app/ProfileFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/TempDir.h"

namespace tavmir {
namespace {

using test::readAll;
using test::TempDir;
using test::writeBytes;

TEST(ProfileFile, FindsValuesByCaseInsensitiveNamesInAnyLineEnding) {
    struct Row {
        std::string content, section, key;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"[Editor]\r\nTextAlign=left\r\n", "editor", "TEXTALIGN", "left"},
        {"[ Editor ]\n  TextAlign =  right \t\n", "Editor", "TextAlign", "right"},
        {"[Editor]\rA=1\rTextAlign=center", "Editor", "TextAlign", "center"},
        {"[Save]\r\nTextAlign=left\r\n", "Editor", "TextAlign", std::nullopt},
        {"TextAlign=left\r\n[Editor]\r\n", "Editor", "TextAlign", std::nullopt},
        {"[Editor]\r\nTextAlign\r\n", "Editor", "TextAlign", ""},
        {"[Editor]\r\nTextAlign=\r\n", "Editor", "TextAlign", ""},
        {"[Editor]\r\nA=1\r\n[Save]\r\n[editor]\r\nTextAlign=right\r\n", "Editor", "TextAlign",
         "right"},
        {"[Editor]\r\nTextAlign=left\r\nTextAlign=right\r\n", "Editor", "TextAlign", "left"},
        {"\xEF\xBB\xBF[Editor]\r\nTextAlign=left\r\n", "Editor", "TextAlign", "left"},
        {"[Editor]\r\nKey=a=b\r\n", "Editor", "Key", "a=b"},
        {"[Editor\r\nKey=1\r\n", "Editor", "Key", "1"},
        {std::string("[Editor]\r\nKey=a\0b\r\n", 19), "Editor", "Key", std::string("a\0b", 3)},
        {"", "Editor", "Key", std::nullopt},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(findProfileValue(r.content, r.section, r.key), r.expected) << r.content;
    }
}

TEST(ProfileFile, SettingAValueChangesOnlyItsOwnLine) {
    struct Row {
        std::string content, section, key, value, expected;
    };
    const Row rows[] = {
        {"", "Editor", "TextAlign", "left", "[Editor]\r\nTextAlign=left\r\n"},
        {"; note\n[editor]\r\ntextalign = left \rMouseWheelSpeed=2\n\n[Save]\r\n", "Editor",
         "TextAlign", "right",
         "; note\n[editor]\r\nTextAlign=right\rMouseWheelSpeed=2\n\n[Save]\r\n"},
        {"[Editor]\r\nA=1\r\n\r\n[Save]\r\nB=2", "Editor", "C", "3",
         "[Editor]\r\nA=1\r\nC=3\r\n\r\n[Save]\r\nB=2"},
        {"[Save]\r\nB=2", "Save", "C", "3", "[Save]\r\nB=2\r\nC=3\r\n"},
        {"[Save]\r\nB=2", "Editor", "A", "1", "[Save]\r\nB=2\r\n[Editor]\r\nA=1\r\n"},
        {"[Save]\nB=2", "Save", "B", "", "[Save]\nB=\r\n"},
        {"[Editor]\r\n", "Editor", "A", "x y", "[Editor]\r\nA=x y\r\n"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(setProfileValue(r.content, r.section, r.key, r.value), r.expected) << r.content;
    }
}

TEST(ProfileFile, RefusesNamesAndValuesThatWouldBreakTheFile) {
    struct Row {
        std::string section, key, value;
    };
    const Row rows[] = {
        {"Editor", "A=B", "1"}, {"Editor", "A", "1\r\n[Save]"},
        {"Ed]itor", "A", "1"},  {"Editor", "", "1"},
        {"", "A", "1"},         {"Editor", " A", "1"},
        {"Editor", "[A", "1"},  {"Editor", "A", std::string("1\0", 2)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(setProfileValue("[Editor]\r\nA=0\r\n", r.section, r.key, r.value), std::nullopt)
            << r.section << "/" << r.key;
    }
}

TEST(ProfileFile, WritesCreateTheFileAndReadsCutLongValues) {
    TempDir folder;
    const auto file = folder.path() / "x.ini";
    EXPECT_EQ(readProfileString(file, "Editor", "A").status, ProfileReadStatus::Missing);

    const std::string longValue(300, 'v');
    EXPECT_EQ(writeProfileString(file, "Editor", "A", longValue), "");
    EXPECT_EQ(writeProfileString(file, "Save", "B", "2"), "");
    EXPECT_EQ(readAll(file), "[Editor]\r\nA=" + longValue + "\r\n[Save]\r\nB=2\r\n");

    const ProfileValue a = readProfileString(file, "EDITOR", "a");
    EXPECT_EQ(a.status, ProfileReadStatus::Found);
    EXPECT_EQ(a.value, std::string(kProfileValueLimit, 'v'));
    EXPECT_EQ(readProfileString(file, "Save", "B").value, "2");
    EXPECT_EQ(readProfileString(file, "Save", "C").status, ProfileReadStatus::Missing);
}

TEST(ProfileFile, FailedWritesLeaveTheOldFileUntouched) {
    TempDir folder;

    // A parent that is a regular file cannot hold the new file.
    const auto notAFolder = folder.path() / "plain";
    writeBytes(notAFolder, "keep");
    EXPECT_NE(writeProfileString(notAFolder / "x.ini", "Editor", "A", "1"), "");
    EXPECT_EQ(readAll(notAFolder), "keep");

    // An oversized file is not ours to rewrite, and reads find nothing in it.
    const auto huge = folder.path() / "huge.ini";
    const std::string hugeBytes = "[Editor]\r\nA=1\r\n" + std::string(kProfileFileSizeLimit, 'x');
    writeBytes(huge, hugeBytes);
    EXPECT_EQ(readProfileString(huge, "Editor", "A").status, ProfileReadStatus::Unreadable);
    EXPECT_NE(writeProfileString(huge, "Editor", "A", "2"), "");
    EXPECT_EQ(readAll(huge), hugeBytes);

    // A folder in place of the file.
    const auto dir = folder.path() / "dir.ini";
    std::filesystem::create_directory(dir);
    EXPECT_EQ(readProfileString(dir, "Editor", "A").status, ProfileReadStatus::Unreadable);
    EXPECT_NE(writeProfileString(dir, "Editor", "A", "2"), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir));

    // A value that cannot be stored leaves the file as it was.
    const auto file = folder.path() / "x.ini";
    writeBytes(file, "[Editor]\nA=1");
    EXPECT_NE(writeProfileString(file, "Editor", "A", "2\r\n[Save]"), "");
    EXPECT_EQ(readAll(file), "[Editor]\nA=1");
}

}  // namespace
}  // namespace tavmir
