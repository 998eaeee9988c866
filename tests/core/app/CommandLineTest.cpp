#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "app/Startup.h"

namespace tavmir {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, SplitsOnBlanksAndGroupsQuotedText) {
    struct Row {
        std::string line;
        Args expected;
    };
    const Row rows[] = {
        {"", {}},
        {"   \t ", {}},
        {"-v \"a b.cfg\"", {"-v", "a b.cfg"}},
        {"-v\"x.cfg\"", {"-v", "x.cfg"}},
        {"\t-v \t b.set  ", {"-v", "b.set"}},
        {"\"\"", {""}},
        {"a \"\" b", {"a", "", "b"}},
        {"-v \"my file ", {"-v", "my file "}},
        {"-v \"", {"-v"}},
        {"\"a b\"c", {"a b", "c"}},
        {"a\"b c\"", {"a", "b c"}},
        {"\"  spaced  \"", {"  spaced  "}},
    };
    for (const Row& r : rows) {
        Args expected{"/opt/tavmir/tavmir"};
        expected.insert(expected.end(), r.expected.begin(), r.expected.end());
        EXPECT_EQ(splitCommandLine("/opt/tavmir/tavmir", r.line), expected) << r.line;
    }
}

TEST(CommandLine, ValidationModeNeedsTheSwitchAndAnExistingFile) {
    const std::set<std::string> existing{"a.cfg", "b.set"};
    const FileExistsCheck exists = [&](const std::string& p) { return existing.count(p) > 0; };
    struct Row {
        Args args;
        bool consoleMode;
        Args files;
    };
    const Row rows[] = {
        {{"-V", "a.cfg"}, true, {"a.cfg"}},
        {{"a.cfg", "-v", "missing.cfg", "b.set"}, true, {"a.cfg", "b.set"}},
        {{"-v", "missing.cfg"}, false, {}},
        {{"a.cfg"}, false, {"a.cfg"}},
        {{"-v"}, false, {}},
        {{"a.cfg", "-v", "a.cfg"}, true, {"a.cfg", "a.cfg"}},
        {{"-vv", "a.cfg"}, false, {"a.cfg"}},
        {{}, false, {}},
    };
    for (const Row& r : rows) {
        const CommandLineRequest req = interpretArguments(r.args, exists);
        EXPECT_EQ(std::tie(req.consoleMode, req.commandFiles), std::tie(r.consoleMode, r.files))
            << testing::PrintToString(r.args);
    }
}

TEST(CommandLine, OnlyRegularFilesCountAsExisting) {
    test::TempDir folder;
    EXPECT_TRUE(isExistingFile(folder.file("a.cfg", "x")));
    EXPECT_FALSE(isExistingFile(folder.path().string()) || isExistingFile(folder.path("none.cfg")) ||
                 isExistingFile(""));
}

TEST(Startup, AdvisesOnScreensBelow1024By768) {
    const std::string advice = "Minimum recommended resolution for this program is 1024x768\r\n\r\n";
    EXPECT_EQ(resolutionMessage(1024, 600), advice + "Current resolution is 1024x600");
    EXPECT_EQ(resolutionMessage(800, 768), advice + "Current resolution is 800x768");
    EXPECT_EQ(resolutionMessage(1280, 768) + resolutionMessage(1024, 768), "");
}

}  // namespace
}  // namespace tavmir
