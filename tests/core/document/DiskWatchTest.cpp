#include "document/DiskWatch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace tavmir {
namespace {

// Each state of the file on disk is told once; a file back after a folder stood in its place
// is a new change; an editor that forgets its file is told nothing.
TEST(DiskWatch, TellsEachStateOnceAndNothingOnceForgotten) {
    const test::TempDir dir;
    const std::string path = dir.file("a.cfg", "abc");
    DiskWatch watch;
    watch.remember(path);
    EXPECT_EQ(watch.check(path, false).kind, DiskNoticeKind::None);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(watch.check(path, false).kind, DiskNoticeKind::NotRegular);
    EXPECT_EQ(watch.check(path, false).kind, DiskNoticeKind::None);
    std::filesystem::remove(path);
    dir.file("a.cfg", "abd");
    EXPECT_EQ(watch.check(path, false).kind, DiskNoticeKind::Reload);
    EXPECT_EQ(watch.check(path, false).kind, DiskNoticeKind::None);
    watch.forget();
    EXPECT_FALSE(watch.known());
    dir.file("a.cfg", "abcd");
    EXPECT_EQ(watch.check(path, true).kind, DiskNoticeKind::None);
    EXPECT_EQ(watch.overwriteQuestion(path), std::nullopt);
}

// The identity the editor remembers is that of the bytes it read or wrote: a change made after
// them is a change, even when the editor has not looked at the file in between.
TEST(DiskWatch, RemembersTheBytesItWasGivenNotTheFileAsItIsLater) {
    const test::TempDir dir;
    const std::string path = dir.file("a.cfg", "written");
    const FileIdentity written = identifyFile(path);
    dir.file("a.cfg", "changed right after");
    DiskWatch watch;
    watch.remember(written);
    EXPECT_EQ(watch.overwriteQuestion(path),
              path + " changed on disk since it was opened. Overwrite it?");
    EXPECT_EQ(watch.check(path, false).kind, DiskNoticeKind::Reload);
}

}  // namespace
}  // namespace tavmir
