#include "document/BackupSession.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace tavmir {
namespace {

using test::TempDir;

// An editing session keeps the original of each existing file once, at its first save over
// it: going back to a file with Save As after saving another does not keep it again (its
// FILE.bak already holds it as it was before this editor first replaced it).
TEST(BackupSession, KeepsEachFilesOriginalOnceASession) {
    const TempDir dir;
    const std::string a = dir.file("a.cfg", "a"), b = dir.file("b.cfg", "b");
    BackupSession session;
    session.start();
    EXPECT_FALSE(session.keepsOriginalOf(a, false));  // the preference is off
    EXPECT_FALSE(session.keepsOriginalOf(dir.path("new.cfg"), true));
    EXPECT_TRUE(session.keepsOriginalOf(a, true));
    session.wrote(a);
    EXPECT_FALSE(session.keepsOriginalOf(a, true));
    EXPECT_TRUE(session.keepsOriginalOf(b, true));
    session.wrote(b);
    EXPECT_FALSE(session.keepsOriginalOf(a, true));
    EXPECT_FALSE(session.keepsOriginalOf(b, true));
    session.start();  // opened or reloaded again
    EXPECT_TRUE(session.keepsOriginalOf(a, true));
}

}  // namespace
}  // namespace tavmir
