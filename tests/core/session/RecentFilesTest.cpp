#include "session/RecentFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/StatusText.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

using test::TempDir;
using Paths = std::vector<std::string>;

// Files that exist, named f1.cfg .. fN.cfg.
Paths makeFiles(const TempDir& dir, int count) {
    Paths paths;
    for (int i = 1; i <= count; ++i)
        paths.push_back(dir.file("f" + std::to_string(i) + ".cfg", "x"));
    return paths;
}

std::string linesOf(const Paths& paths) {
    std::string bytes;
    for (const std::string& p : paths) bytes += p + "\r\n";
    return bytes;
}

TEST(RecentFiles, LoadsExistingFilesInOrderDroppingVanishedOnesAndStopsAtEight) {
    TempDir dir;
    const Paths files = makeFiles(dir, 10);
    const std::string gone = dir.path("gone.cfg");
    const std::string folder = dir.path().string();
    struct Row {
        std::string bytes;
        Paths expected;
    };
    const Row rows[] = {
        {linesOf({files[0], gone, files[1]}), {files[0], files[1]}},
        {linesOf(files), Paths(files.begin(), files.begin() + 8)},
        // Dropped lines do not count towards the eight.
        {linesOf({gone, files[0], gone, files[1], files[2], files[3], files[4], files[5], files[6],
                  gone, files[7], files[8]}),
         Paths(files.begin(), files.begin() + 8)},
        // Bare CR, bare LF, empty lines, no final line break.
        {files[0] + "\r" + files[1] + "\n\n\r\n" + files[2], {files[0], files[1], files[2]}},
        // A folder is not a file; a line with a NUL byte names no file.
        {linesOf({folder, files[0] + std::string(1, '\0') + "x", files[1]}), {files[1]}},
        {"", {}},
        {std::string(5000, '\xff') + "\r\n" + files[0] + "\r\n", {files[0]}},
    };
    for (const Row& row : rows) {
        const std::string recent = dir.file("recent.dat", row.bytes);
        RecentFiles list(recent);
        EXPECT_EQ(test::statusText(list.load()), "");
        EXPECT_EQ(list.entries(), row.expected);
        EXPECT_EQ(list.separatorVisible(), !row.expected.empty());
    }
}

// A missing list is no failure; a folder, a FIFO (never opened) or a file too large to be a
// list gives an empty list and says what stands there.
TEST(RecentFiles, LoadOfAMissingOrUnreadableFileGivesAnEmptyList) {
    TempDir dir;
    const std::filesystem::path recent = dir.path() / "recent.dat";
    RecentFiles list(recent);
    EXPECT_EQ(test::statusText(list.load()), "");
    std::filesystem::create_directory(recent);
    EXPECT_EQ(test::statusText(list.load()), "Is a directory");
    std::filesystem::remove(recent);
    if (test::makeFifo(recent)) {
        EXPECT_EQ(test::statusText(list.load()), "Not a regular file");
        std::filesystem::remove(recent);
    }
    dir.file("recent.dat", makeFiles(dir, 1)[0] + "\r\n" + std::string(kRecentReadLimit, 'x'));
    EXPECT_EQ(test::statusText(list.load()), std::string(kRecentTooLarge));
    EXPECT_TRUE(list.entries().empty());
}

TEST(RecentFiles, AddToFrontMovesKnownFilesUpAndPushesTheOldestOut) {
    TempDir dir;
    const Paths f = makeFiles(dir, 9);
    const std::filesystem::path recent = dir.path() / "recent.dat";
    RecentFiles list(recent);
    for (int i = 7; i >= 0; --i)
        ASSERT_EQ(test::statusText(list.addToFront(f[static_cast<std::size_t>(i)])), "");
    ASSERT_EQ(list.entries(), Paths(f.begin(), f.begin() + 8));

    // Re-opening the third entry: it goes to the top, the first two move down one place.
    ASSERT_EQ(test::statusText(list.addToFront(f[2])), "");
    EXPECT_EQ(list.entries(), (Paths{f[2], f[0], f[1], f[3], f[4], f[5], f[6], f[7]}));

    // Another spelling of a listed file moves it up with the new spelling.
    const std::string respelled = dir.path().string() + "/./f5.cfg";
    ASSERT_EQ(test::statusText(list.addToFront(respelled)), "");
    EXPECT_EQ(list.entries(), (Paths{respelled, f[2], f[0], f[1], f[3], f[5], f[6], f[7]}));

    // A ninth distinct file pushes out the oldest; the file never holds more than 8 lines.
    ASSERT_EQ(test::statusText(list.addToFront(f[8])), "");
    const Paths expected{f[8], respelled, f[2], f[0], f[1], f[3], f[5], f[6]};
    EXPECT_EQ(list.entries(), expected);
    EXPECT_EQ(test::readAll(recent), linesOf(expected));
    EXPECT_EQ(list.entry(7) + list.entry(8) + list.entry(-1), f[6]);

    RecentFiles reread(recent);
    ASSERT_EQ(test::statusText(reread.load()), "");
    EXPECT_EQ(reread.entries(), expected);
    EXPECT_EQ(reread.menuCaptions().front(), "&1 " + f[8]);

    // Paths that cannot be stored as one line are not added.
    for (const std::string& bad : {std::string(), f[0] + "\r\nx", f[0] + "\nx", f[0] + '\0'})
        EXPECT_NE(test::statusText(list.addToFront(bad)), "");
    EXPECT_EQ(list.entries(), expected);
}

TEST(RecentFiles, FailedSaveReportsTheReasonAndLeavesThePreviousFileIntact) {
    TempDir dir;
    const Paths f = makeFiles(dir, 3);
    const std::filesystem::path recent = dir.path() / "recent.dat";
    RecentFiles list(recent);
    ASSERT_EQ(test::statusText(list.addToFront(f[0])), "");
    const std::string before = test::readAll(recent);

    // A file-size limit below the new list's size makes the write itself fail, even as root.
#ifndef _WIN32
    {
        const test::FileSizeLimit limit(before.size());
        EXPECT_NE(test::statusText(list.addToFront(f[1])), "");
    }
#endif
    EXPECT_EQ(test::readAll(recent), before);
    EXPECT_EQ(dir.entryCount(), 4);  // f1..f3 and recent.dat: no temporary file left behind

    // A folder that cannot exist (a path under a regular file): the list is kept in memory.
    RecentFiles blocked(std::filesystem::path(f[2]) / "recent.dat");
    EXPECT_NE(test::statusText(blocked.addToFront(f[0])), "");
    EXPECT_EQ(blocked.entries(), Paths{f[0]});
    EXPECT_EQ(test::readAll(f[2]), "x");
}

}  // namespace
}  // namespace tavmir
