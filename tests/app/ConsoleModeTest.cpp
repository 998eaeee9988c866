// Runs the built tavmir program in validation mode, as a script would: no display, reports
// beside the files, exit status by outcome.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "catalogue/Catalogue.h"
#include "core/settingsfile/ReaderFixture.h"

namespace tavmir {
namespace {

struct Result {
    int status;
    std::string out;
};

// Runs tavmir with the arguments (already quoted) with no display at all; a Qt platform that
// cannot start would make the run fail, so validation mode must never touch Qt.
Result runTavmir(const std::string& arguments, const test::TempDir& dir, bool forceXcb = true) {
    const std::string outPath = dir.path("stdout.txt");
    const std::string platform = forceXcb ? " QT_QPA_PLATFORM=xcb" : " -u QT_QPA_PLATFORM";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY" + platform + " '" +
                                std::string(TAVMIR_BIN_DIR) + "/tavmir' " + arguments + " > '" +
                                outPath + "' 2>&1";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::readAll(outPath)};
}

std::string completeFile(const Catalogue& c) {
    std::string text, section;
    for (int i = 1; i <= kSettingCount; ++i) {
        const SettingDef& d = c[c.cfgWriteOrder(i)];
        if (d.section != section) {
            section = d.section;
            text += "[" + section + "]\r\n";
        }
        text += d.key + "=" + d.defaultValue + "\r\n";
    }
    return text;
}

// The report without its first line (the date and time of the run).
std::string afterDateLine(const std::string& report) {
    return report.substr(report.find("\r\n") + 2);
}

TEST(ConsoleMode, WritesOneReportPerFileAndExitsByOutcome) {
    const auto cat = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    ASSERT_TRUE(cat);
    test::TempDir dir;
    const std::string clean = dir.file("clean zone.cfg", completeFile(*cat));
    Result r = runTavmir("-v '" + clean + "'", dir);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(afterDateLine(test::readAll(clean + ".log")),
              "\r\nValidating " + clean + "\r\nFile type: CFG\r\nErrors: 0\r\nWarnings: 0\r\n\r\n");

    std::string text = completeFile(*cat);
    text.replace(text.find("KickOutDelay=1000"), 17, "KickOutDelay=3000");
    const std::string bad = dir.file("bad.cfg", text);
    r = runTavmir("'" + bad + "' -V '" + bad + "'", dir);  // the switch anywhere, a path twice
    EXPECT_EQ(r.status, 1) << r.out;
    const std::string report = test::readAll(bad + ".log");
    EXPECT_NE(report.find("1. Error in line "), std::string::npos);
    EXPECT_NE(
        report.find(
            ": Value is higher than high limit (Latency:KickOutDelay=3000. High limit is 2000)\r\n"
            "Errors: 1\r\nWarnings: 0\r\n\r\n"),
        std::string::npos);
    EXPECT_EQ(report.find("Validating ", report.find("Validating ") + 1), std::string::npos)
        << "one header per report";
}

TEST(ConsoleMode, LeavesNoReportForUnreadableEmptyOrUnknownFiles) {
    test::TempDir dir;
    const std::string empty = dir.file("empty.cfg", "");
    const std::string old = dir.file("empty.cfg.log", "an old report");
    const std::string unknown = dir.file("notes.txt", "hello\r\nworld\r\n");
    Result r =
        runTavmir("-v '" + empty + "' '" + unknown + "' '" + dir.path("missing.cfg") + "'", dir);
    EXPECT_EQ(r.status, 2) << "a named file that does not exist";
    EXPECT_EQ(test::readAll(old), "an old report");
    EXPECT_FALSE(std::filesystem::exists(unknown + ".log"));
    EXPECT_NE(r.out.find("missing.cfg: no such file"), std::string::npos) << r.out;

    r = runTavmir("-v '" + empty + "'", dir);
    EXPECT_EQ(r.status, 1) << "an empty file counts as having errors";

    // A report that cannot be written: a folder stands where the report would go.
    const auto cat = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    const std::string file = dir.file("blocked.cfg", completeFile(*cat));
    std::filesystem::create_directory(file + ".log");
    r = runTavmir("-v '" + file + "'", dir);
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find("the report could not be written"), std::string::npos) << r.out;

    // No switch: the editor would start, but there is no display to show it on.
    r = runTavmir("'" + file + "'", dir, /*forceXcb=*/false);
    EXPECT_EQ(r.status, 2) << r.out;
}

// --compare: the window's report on standard output, the refusals on standard error.
TEST(ConsoleMode, CompareExitsByOutcomeWithoutADisplay) {
    const auto cat = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    ASSERT_TRUE(cat);
    test::TempDir dir;
    const std::string origin = dir.file("origin.cfg", completeFile(*cat));
    const std::string copy = dir.file("copy.cfg", completeFile(*cat));
    std::string text = completeFile(*cat);
    text.replace(text.find("KickOutDelay=1000"), 17, "KickOutDelay=900");
    const std::string other = dir.file("other.cfg", text);
    const std::string junk = dir.file("junk.cfg", "no settings here\r\n");
    const struct {
        std::string arguments;
        int status;
        std::string output;  // a part of what is printed
    } cases[] = {
        {"--compare '" + origin + "' '" + copy + "'", 0,
         "1. Comparing\n\n(1) " + origin + "\n(2) " + copy + "\n\nFiles are equal\n"},
        {"--compare '" + origin + "' '" + copy + "' '" + other + "'", 1,
         "Latency:KickOutDelay..................  .......1000  ........900\n"},
        {"--compare '" + origin + "' '" + junk + "'", 1,
         "Can't compare. File (2) is not in CFG or SET format"},
        {"--compare", 2, "Tavmir: Select origin file\n"},
        {"--compare '" + dir.path("none.cfg") + "' '" + copy + "'", 2,
         "Tavmir: Origin file not found\n"},
        {"--compare '" + junk + "' '" + copy + "'", 2,
         "Tavmir: Origin file is not in CFG or SET format\n\nSelect a valid file\n"},
        {"--compare '" + origin + "' '" + origin + "'", 2, "Tavmir: Select files to be compared\n"},
    };
    for (const auto& c : cases) {
        const Result r = runTavmir(c.arguments, dir);
        EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.out;
        EXPECT_NE(r.out.find(c.output), std::string::npos) << c.arguments << "\n" << r.out;
    }
}

}  // namespace
}  // namespace tavmir
