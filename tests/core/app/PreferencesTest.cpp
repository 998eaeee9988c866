#include "app/Preferences.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/StatusText.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

using test::readAll;
using test::TempDir;
using test::writeBytes;
using Messages = std::vector<std::string>;

const std::string kCorrupt =
    "The file tavmir.ini is corrupt\r\n\r\nYou must reinstall the application";
const std::string kDefaultFile =
    "[Editor]\r\nTextAlign=left\r\nMouseWheelSpeed=2\r\n[Save]\r\nDisableWindowMessage=0\r\n"
    "MessageTime=1000\r\nKeepOriginal=1\r\nKeepLines=0\r\n[Start]\r\nReopenFiles=0\r\n";
const std::string kOlderFile =
    "[Editor]\r\nTextAlign=left\r\nMouseWheelSpeed=2\r\n[Save]\r\nDisableWindowMessage=0\r\n"
    "MessageTime=1000\r\n";

TEST(Preferences, LoadingCreatesMissingFileAndReportsEachDamagedKey) {
    const std::string partial =
        "[editor]\nTEXTALIGN = Center\nMouseWheelSpeed=\n[SAVE]\nMessageTime=123456\n";
    struct Row {
        std::optional<std::string> file;  // none: no tavmir.ini yet
        bool folderIsAFile;
        Messages messages;
        Preferences expected;
        std::string fileAfter;
    };
    const Row rows[] = {
        {std::nullopt, false, {}, Preferences{}, kDefaultFile},
        // Reading never rewrites the file.
        // MouseWheelSpeed empty and DisableWindowMessage missing: one message for each.
        {partial, false, {kCorrupt, kCorrupt}, {2, 3, 0, "1234"}, partial},
        {"", false, {kCorrupt, kCorrupt, kCorrupt, kCorrupt}, {0, 3, 0, "1000"}, ""},
        // KeepOriginal and ReopenFiles are younger than the file's four keys: their absence is
        // no damage.
        {kOlderFile, false, {}, Preferences{}, kOlderFile},
        // The first failed default stops the creation: the defaults, and no talk of damage.
        {std::nullopt, true, {"WRITE"}, Preferences{}, ""},
    };
    for (const Row& r : rows) {
        TempDir temp;
        std::filesystem::path folder = temp.path();
        if (r.folderIsAFile) writeBytes(folder /= "program", "");
        if (r.file) writeBytes(folder / "tavmir.ini", *r.file);
        Messages expected = r.messages;
        if (!expected.empty() && expected[0] == "WRITE")
            expected[0] = "Error writing to file: " + (folder / "tavmir.ini").string();

        Messages messages;
        EXPECT_EQ(loadPreferences(folder, [&](const std::string& m) { messages.push_back(m); }),
                  r.expected);
        EXPECT_EQ(messages, expected);
        EXPECT_EQ(r.folderIsAFile ? "" : readAll(folder / "tavmir.ini"), r.fileAfter);
    }
}

TEST(Preferences, SaveWritesTheKeysInOrderAndKeepsOtherLines) {
    TempDir folder;
    const auto ini = folder.path() / "tavmir.ini";
    EXPECT_EQ(
        test::statusText(savePreferences(folder.path(), {2, 3, 1, "0250", 0, 0, 1}, "center")), "");
    EXPECT_EQ(readAll(ini),
              "[Editor]\r\nTextAlign=center\r\nMouseWheelSpeed=3\r\n[Save]\r\n"
              "DisableWindowMessage=1\r\nMessageTime=250\r\nKeepOriginal=0\r\nKeepLines=0\r\n"
              "[Start]\r\nReopenFiles=1\r\n");
    EXPECT_EQ(loadPreferences(folder.path(), {}).keepOriginal, 0);
    EXPECT_EQ(loadPreferences(folder.path(), {}).reopenFiles, 1);

    writeBytes(ini, "; mine\n[Save]\nMessageTime=9\n[Other]\nX=1\n");
    EXPECT_EQ(test::statusText(savePreferences(folder.path(), Preferences{}, "left")), "");
    EXPECT_EQ(readAll(ini),
              "; mine\n[Save]\nMessageTime=1000\nDisableWindowMessage=0\r\nKeepOriginal=1\r\n"
              "KeepLines=0\r\n"
              "[Other]\nX=1\n"
              "[Editor]\r\nTextAlign=left\r\nMouseWheelSpeed=2\r\n[Start]\r\nReopenFiles=0\r\n");
    EXPECT_EQ(loadPreferences(folder.path(), [](const std::string& m) { ADD_FAILURE() << m; }),
              Preferences{});
}

TEST(Preferences, FailedSaveKeepsTheOldFileAndGivesTheWriteError) {
    TempDir folder;
    const auto notAFolder = folder.path() / "program";
    writeBytes(notAFolder, "x");
    EXPECT_EQ(test::statusText(savePreferences(notAFolder, Preferences{}, "left")),
              "Error writing to file: " + (notAFolder / "tavmir.ini").string());
    EXPECT_EQ(readAll(notAFolder), "x");

    // A disk that refuses the new bytes (permission bits would not stop the root user).
    const std::string ini = folder.file("tavmir.ini", kDefaultFile);
#ifndef _WIN32
    {
        const test::FileSizeLimit limit(16);
        EXPECT_EQ(test::statusText(savePreferences(folder.path(), {1, 1, 1, "300"}, "right")),
                  "Error writing to file: " + ini);
    }
#endif
    EXPECT_EQ(readAll(ini), kDefaultFile);
    EXPECT_EQ(folder.entryCount(), 2) << "a temporary file was left behind";
}

}  // namespace
}  // namespace tavmir
