#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, OnlyRegularFilesCountAsExisting) {
    test::TempDir folder;
    EXPECT_TRUE(isExistingFile(folder.file("a.cfg", "x")));
    EXPECT_FALSE(isExistingFile(folder.path().string()) ||
                 isExistingFile(folder.path("none.cfg")) || isExistingFile(""));
}

}  // namespace
}  // namespace tavmir
