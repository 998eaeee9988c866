#include "app/ProfileFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/StatusText.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

using test::readAll;
using test::TempDir;
using test::writeBytes;

TEST(ProfileFile, WritesCreateTheFileAndReadsCutLongValues) {
    TempDir folder;
    const auto file = folder.path() / "x.ini";
    EXPECT_EQ(readProfileString(file, "Editor", "A").status, ProfileReadStatus::Missing);

    const std::string longValue(300, 'v');
    EXPECT_EQ(test::statusText(writeProfileString(file, "Editor", "A", longValue)), "");
    EXPECT_EQ(test::statusText(writeProfileString(file, "Save", "B", "2")), "");
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
    EXPECT_NE(test::statusText(writeProfileString(notAFolder / "x.ini", "Editor", "A", "1")), "");
    EXPECT_EQ(readAll(notAFolder), "keep");

    // An oversized file is not ours to rewrite, and reads find nothing in it.
    const auto huge = folder.path() / "huge.ini";
    const std::string hugeBytes = "[Editor]\r\nA=1\r\n" + std::string(kProfileFileSizeLimit, 'x');
    writeBytes(huge, hugeBytes);
    EXPECT_EQ(readProfileString(huge, "Editor", "A").status, ProfileReadStatus::Unreadable);
    EXPECT_NE(test::statusText(writeProfileString(huge, "Editor", "A", "2")), "");
    EXPECT_EQ(readAll(huge), hugeBytes);

    // A folder in place of the file.
    const auto dir = folder.path() / "dir.ini";
    std::filesystem::create_directory(dir);
    EXPECT_EQ(readProfileString(dir, "Editor", "A").status, ProfileReadStatus::Unreadable);
    EXPECT_NE(test::statusText(writeProfileString(dir, "Editor", "A", "2")), "");
    EXPECT_TRUE(std::filesystem::is_directory(dir));

    // A value that cannot be stored leaves the file as it was.
    const auto file = folder.path() / "x.ini";
    writeBytes(file, "[Editor]\nA=1");
    EXPECT_NE(test::statusText(writeProfileString(file, "Editor", "A", "2\r\n[Save]")), "");
    EXPECT_EQ(readAll(file), "[Editor]\nA=1");
}

}  // namespace
}  // namespace tavmir
