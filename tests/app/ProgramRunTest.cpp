// Runs the built tavmir as a user would from a terminal, in the two layouts it is found in: a
// portable copy (the program with mset.dat and template.dat beside it) and an installed one
// (bin/tavmir with share/tavmir/). Both folders are read-only, and the runs are made by a user
// who cannot write to them (nobody, when the suite runs as root). The cases are the lines of
// data/program/runs.tsv.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/TempDir.h"

namespace tavmir {
namespace {

namespace fs = std::filesystem;

#ifdef TAVMIR_WITH_GUI
constexpr bool kWithGui = true;
#else
constexpr bool kWithGui = false;
#endif

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> cells;
    std::stringstream in(s);
    for (std::string cell; std::getline(in, cell, sep);) cells.push_back(cell);
    if (!s.empty() && s.back() == sep) cells.emplace_back();
    return cells;
}

std::string unescapeLines(std::string s) {
    for (std::size_t at; (at = s.find("\\n")) != std::string::npos;) s.replace(at, 2, "\n");
    return s;
}

// The scratch root: the two program layouts, a work folder with the sample and a FIFO, a home.
void makeRoot(const fs::path& r) {
    const fs::path bin = TAVMIR_BIN_DIR;
    const auto copyInto = [&](const fs::path& folder, const fs::path& data) {
        fs::create_directories(folder);
        fs::create_directories(data);
        fs::copy_file(bin / "tavmir", folder / "tavmir");
        for (const char* name : {"mset.dat", "template.dat"}) fs::copy_file(bin / name, data / name);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::remove);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::add);
    };
    copyInto(r / "portable", r / "portable");
    copyInto(r / "usr/bin", r / "usr/share/tavmir");
    fs::create_directories(r / "work");
    fs::create_directories(r / "home");
    fs::copy_file(fs::path(TAVMIR_SOURCE_DIR) / "samples/arena.cfg", r / "work/zone.cfg");
    ::mkfifo((r / "work/fifo").c_str(), 0666);
    for (const char* open : {"work", "home"}) {
        fs::permissions(r / open, fs::perms::all);
        if (::getuid() == 0 && ::chown((r / open).c_str(), 65534, 65534) != 0) ADD_FAILURE();
    }
}

TEST(ProgramRun, EveryCaseOfTheTableGivesItsStatusOutputAndFiles) {
    const bool root = ::getuid() == 0;
    if (root && std::system("command -v runuser > /dev/null") != 0)
        GTEST_SKIP() << "running as root without runuser: no user who cannot write the folders";
    std::ifstream table(fs::path(TAVMIR_TEST_DATA) / "program/runs.tsv");
    ASSERT_TRUE(table.good());
    int lineNo = 0;
    for (std::string line; std::getline(table, line);) {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        // layout, environment, arguments, status, stdout, stderr, must exist, must not exist
        const std::vector<std::string> c = split(line, '\t');
        ASSERT_EQ(c.size(), 8u) << "runs.tsv:" << lineNo;
        // A build without the windows prints its usage instead of starting the editor.
        if (!kWithGui && c[5].find("no display") != std::string::npos) continue;
        const test::TempDir dir;
        const fs::path r = dir.path();
        fs::permissions(r, fs::perms::all);  // others must reach the layouts
        makeRoot(r);
        const std::string program = (r / (c[0] == "portable" ? "portable" : "usr/bin") / "tavmir").string();
        const std::string env = c[1] == "-" ? "" : "HOME=" + (r / "home").string();
        const std::string command = "cd '" + (r / "work").string() + "' && timeout 30 " +
                                    (root ? "runuser -u nobody -- " : "") + "env -i PATH=/usr/bin:/bin " +
                                    env + " '" + program + "' " + c[2] + " > ../out 2> ../err";
        const int raw = std::system(command.c_str());
        const std::string where = "runs.tsv:" + std::to_string(lineNo) + " " + c[2];
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, std::stoi(c[3])) << where;
        EXPECT_EQ(test::readAll(r / "out"), unescapeLines(c[4])) << where;
        EXPECT_EQ(test::readAll(r / "err"), unescapeLines(c[5])) << where;
        for (const std::string& p : split(c[6], ' '))
            EXPECT_TRUE(p.empty() || fs::exists(r / p)) << where << ": " << p << " is missing";
        for (const std::string& p : split(c[7], ' '))
            EXPECT_FALSE(p.empty() || fs::exists(r / p)) << where << ": " << p << " was written";
    }
}

}  // namespace
}  // namespace tavmir
