// Runs the built tavmir as a user would from a terminal, in the two layouts it is found in: a
// portable copy (the program with mset.dat and template.dat beside it) and an installed one
// (bin/tavmir with share/tavmir/). Both folders are read-only, and the runs are made by a user
// who cannot write to them (nobody, when the suite runs as root). The cases are the lines of
// data/program/runs.tsv; TAVMIR_REGENERATE=1 rewrites their status and output cells from what
// the program does (review the diff). Beyond the golden texts, every JSON document is parsed
// back and its counts checked against its lists, and every --format=gnu line must read as vim's
// default 'errorformat' reads it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"
#include "support/Escapes.h"
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

// A complete file at the defaults, with `from` replaced by `to`.
std::string completeFile(const std::string& from = "", const std::string& to = "") {
    static const auto cat = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    std::string text, section;
    for (int i = 1; cat && i <= kSettingCount; ++i) {
        const SettingDef& d = (*cat)[cat->cfgWriteOrder(i)];
        if (d.section != section) text += "[" + (section = d.section) + "]\r\n";
        text += d.key + "=" + d.defaultValue + "\r\n";
    }
    if (!from.empty()) text.replace(text.find(from), from.size(), to);
    return text;
}

// The Windows build's folder (tavmir.exe beside its catalogue) when the table is to run under
// Wine: TAVMIR_WINDOWS_BIN names it.
fs::path windowsBin() {
    const char* bin = std::getenv("TAVMIR_WINDOWS_BIN");
    return bin != nullptr && bin[0] != '\0' ? fs::path(bin) : fs::path();
}

// The program's file name in a layout.
const char* programName(bool wine) { return wine ? "tavmir.exe" : "tavmir"; }

// The scratch root: the two program layouts, a work folder with the sample and a FIFO, a home.
void makeRoot(const fs::path& r, bool wine) {
    const fs::path bin = wine ? windowsBin() : fs::path(TAVMIR_BIN_DIR);
    const auto copyInto = [&](const fs::path& folder, const fs::path& data) {
        fs::create_directories(folder);
        fs::create_directories(data);
        fs::copy_file(bin / programName(wine), folder / programName(wine));
        for (const char* name : {"mset.dat", "template.dat"})
            fs::copy_file(bin / name, data / name);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::remove);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec,
                        fs::perm_options::add);
    };
    copyInto(r / "portable", r / "portable");
    copyInto(r / "usr/bin", r / "usr/share/tavmir");
    fs::create_directories(r / "work");
    fs::create_directories(r / "home");
    fs::copy_file(fs::path(TAVMIR_SOURCE_DIR) / "samples/arena.cfg", r / "work/zone.cfg");
    const std::pair<std::string, std::string> files[] = {
        {"clean zone.cfg", completeFile()},
        {"bad.cfg", completeFile("KickOutDelay=1000", "KickOutDelay=3000")},
        {"other.cfg", completeFile("KickOutDelay=1000", "KickOutDelay=900")},
        {"junk.cfg", "no settings here\r\n"},
        {"empty.cfg", ""},
        {"empty.cfg.log", "an old report"},
        {"notes.txt", "hello\r\nworld\r\n"},
        {"same.cfg", completeFile()},
        {"blocked.cfg", completeFile()},
        {"form.set", completeFile()},
        {"lacking.cfg", completeFile("KickOutDelay=1000\r\n", "")},
        {"binary.cfg", std::string("\x7F"
                                   "ELF\x02\x01\0\0\xFF\xFE",
                                   10)},
        {"odd.cfg", completeFile() + std::string("\x7F"
                                                 "ELF\0\x1B[2J\xE9t\xE9=1\r\n",
                                                 16)},
        {"locked.cfg", completeFile()},
        {"new\nline.cfg", completeFile("KickOutDelay=1000", "KickOutDelay=3000")},
        {"new\\x0Aline.cfg", completeFile("KickOutDelay=1000", "KickOutDelay=3001")},
        {"pair.cfg", completeFile("InitialEnergy=1000", "InitialEnergy=2000")},
        {"words.cfg", completeFile("MapZoomFactor=10", "MapZoomFactor=6 or so")},
        {"readonly.cfg", completeFile()},
        {"zon\xC3\xA9 \xE5\x90\x8D.cfg", completeFile("KickOutDelay=1000", "KickOutDelay=3002")},
        {std::string(246, 'n') + ".cfg", completeFile()}};
    for (const auto& [name, bytes] : files)
        std::ofstream(r / "work" / name, std::ios::binary) << bytes;
    fs::permissions(r / "work/locked.cfg", fs::perms::none);
    fs::permissions(r / "work/readonly.cfg",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(r / "work/blocked.cfg.log");  // a folder where the report would go
    ::mkfifo((r / "work/fifo").c_str(), 0666);
    for (const char* open : {"work", "home"}) {
        fs::permissions(r / open, fs::perms::all);
        if (::getuid() == 0 && ::chown((r / open).c_str(), 65534, 65534) != 0) ADD_FAILURE();
    }
}

// A JSON document parses, and its counts agree with its lists.
void checkJson(const std::string& out, const std::string& where) {
    const auto doc = nlohmann::json::parse(out, nullptr, false);
    ASSERT_TRUE(doc.is_object()) << where << ": not a JSON document";
    for (const auto& file : doc.value("files", nlohmann::json::array())) {
        if (file.contains("changes")) {  // --set and --fix: the lines and settings it counts
            int counts[2] = {0, 0};
            for (const auto& c : file.at("changes")) ++counts[c.at("before").is_null() ? 1 : 0];
            EXPECT_EQ(file.at("changedLines"), counts[0]) << where << ": " << file.at("file");
            EXPECT_EQ(file.at("addedSettings"), counts[1]) << where << ": " << file.at("file");
            continue;
        }
        int counts[2] = {0, 0};
        for (const auto& f : file.at("findings")) ++counts[f.at("kind") == "error" ? 0 : 1];
        EXPECT_EQ(file.at("errors"), counts[0]) << where << ": " << file.at("file");
        EXPECT_EQ(file.at("warnings"), counts[1]) << where << ": " << file.at("file");
    }
    if (!doc.contains("pairs")) return;
    int match = 0;
    for (const auto& pair : doc.at("pairs")) {
        match += pair.at("equal").get<bool>();
        EXPECT_EQ(pair.at("equal"), pair.at("comparable") && pair.at("differences").empty());
    }
    EXPECT_EQ(doc.at("match"), match) << where;
    EXPECT_EQ(doc.at("compared"), doc.at("pairs").size()) << where;
}

// Each line as vim's default 'errorformat' takes it ("%f:%l: %trror: %m" and its warning
// twin, %f being the shortest text that ":LINE:" follows), or the same without ":%l" for a
// finding about no line; the file it names, its escapes read back, is one of the work folder's.
void checkGnu(const std::string& out, const fs::path& work, const std::string& where) {
    static const std::regex withLine(R"(^(.+?):([0-9]+): (error|warning|note): (.+)$)");
    static const std::regex noLine(R"(^(.+?): (error|warning|note): (.+)$)");
    for (const std::string& line : split(out, '\n')) {
        std::smatch m;
        if (line.empty()) continue;
        ASSERT_TRUE(std::regex_match(line, m, withLine) || std::regex_match(line, m, noLine))
            << where << ": " << line;
        EXPECT_TRUE(fs::exists(work / test::unescape(m[1].str()))) << where << ": " << line;
    }
}

// A Wine prefix of the run's own, made by the user the runs are made by (Wine takes no prefix
// another user owns): the words that run a Windows program in it (scripts/wine-run.sh, which
// sets Wine up as every run of the build does), "" when none could be made.
std::string makeWinePrefix(const fs::path& prefix, bool root) {
    fs::create_directories(prefix);
    fs::permissions(prefix, fs::perms::all);
    if (root && ::chown(prefix.c_str(), 65534, 65534) != 0) return "";
    const std::string run = "TAVMIR_WINEPREFIX='" + prefix.string() + "' '" +
                            (fs::path(TAVMIR_SOURCE_DIR) / "scripts/wine-run.sh").string() + "' ";
    const std::string boot = std::string(root ? "runuser -u nobody -- " : "") +
                             "env -i PATH=/usr/bin:/bin HOME=/tmp " + run + "> /dev/null 2>&1";
    return std::system(boot.c_str()) == 0 ? run : "";
}

// The table run by the Linux build, or by the Windows build under Wine. A case whose layout
// cell is marked "@posix " or "@windows " runs on that system only.
void runTable(bool wine) {
    const bool root = ::getuid() == 0;
    if (root && std::system("command -v runuser > /dev/null") != 0)
        GTEST_SKIP() << "running as root without runuser: no user who cannot write the folders";
    const test::TempDir wineHome;
    std::string wineRun;
    if (wine) {
        fs::permissions(wineHome.path(), fs::perms::all);
        wineRun = makeWinePrefix(wineHome.path() / "prefix", root);
        ASSERT_FALSE(wineRun.empty()) << "no Wine prefix could be made";
    }
    const fs::path tablePath = fs::path(TAVMIR_TEST_DATA) / "program/runs.tsv";
    std::ifstream table(tablePath, std::ios::binary);
    ASSERT_TRUE(table.good());
    std::string regenerated;
    int lineNo = 0;
    for (std::string line; std::getline(table, line); regenerated += line + "\n") {
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        // layout, environment, arguments, status, stdout, stderr, must exist, must not exist,
        // and optionally a report: PATH=its bytes after its first line (the clock)
        std::vector<std::string> c = split(line, '\t');
        ASSERT_TRUE(c.size() == 8u || c.size() == 9u) << "runs.tsv:" << lineNo;
        std::string mark;
        for (const char* system : {"@posix ", "@windows "})
            if (c[0].starts_with(system)) mark = system, c[0].erase(0, mark.size());
        if (!mark.empty() && (mark == "@windows ") != wine) continue;
        // A build without the windows prints its usage instead of starting the editor.
        if ((wine || !kWithGui) && c[5].find("no display") != std::string::npos) continue;
        const test::TempDir dir;
        const fs::path r = dir.path();
        fs::permissions(r, fs::perms::all);  // others must reach the layouts
        makeRoot(r, wine);
        const std::string program =
            (r / (c[0] == "portable" ? "portable" : "usr/bin") / programName(wine)).string();
        const std::string env = c[1] == "-" ? "" : "HOME=" + (r / "home").string();
        // Arguments whose last word sends standard output elsewhere (">/dev/full") keep it.
        const bool ownOutput = c[2].compare(c[2].rfind(' ') + 1, 1, ">") == 0;
        const std::string command =
            "cd '" + (r / "work").string() + "' && timeout 30 " +
            (root ? "runuser -u nobody -- " : "") + "env -i PATH=/usr/bin:/bin " + env + " " +
            wineRun + "'" + program + "' " + c[2] + (ownOutput ? "" : " > ../out") + " 2> ../err";
        const int raw = std::system(command.c_str());
        const std::string status = std::to_string(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1);
        const std::string output = test::readAll(r / "out");
        const std::string out = test::escape(test::maskClocks(output));
        const std::string err = test::escape(test::readAll(r / "err"));
        std::string report;
        if (c.size() == 9u) {
            const std::string bytes = test::readAll(r / c[8].substr(0, c[8].find('=')));
            report = c[8].substr(0, c[8].find('=') + 1) +
                     test::escape(bytes.substr(bytes.find('\n') + 1));
        }
        const std::string where = "runs.tsv:" + std::to_string(lineNo) + " " + c[2];
        // Under Wine only the Windows cases are rewritten: the others are the Linux build's.
        if (std::getenv("TAVMIR_REGENERATE") && (!wine || mark == "@windows ")) {
            c[3] = status, c[4] = out, c[5] = err;
            if (c.size() == 9u) c[8] = report;
            c[0] = mark + c[0];
            line.clear();
            for (std::size_t k = 0; k < c.size(); ++k) line += (k ? "\t" : "") + c[k];
            continue;
        }
        const auto asks = [&](const std::string& format) {
            return c[2].find("--format=" + format) != std::string::npos ||
                   c[2].find("--format " + format) != std::string::npos;
        };
        if (asks("json") && !output.empty()) checkJson(output, where);
        if (asks("gnu")) checkGnu(output, r / "work", where);
        EXPECT_EQ(status, c[3]) << where;
        EXPECT_EQ(out, c[4]) << where;
        EXPECT_EQ(err, c[5]) << where;
        if (c.size() == 9u) {
            EXPECT_EQ(report, c[8]) << where;
        }
        for (const std::string& p : split(c[6], ' '))
            EXPECT_TRUE(p.empty() || fs::exists(r / p)) << where << ": " << p << " is missing";
        for (const std::string& p : split(c[7], ' '))
            EXPECT_FALSE(p.empty() || fs::exists(r / p)) << where << ": " << p << " was written";
    }
    if (std::getenv("TAVMIR_REGENERATE")) std::ofstream(tablePath, std::ios::binary) << regenerated;
}

TEST(ProgramRun, EveryCaseOfTheTableGivesItsStatusOutputAndFiles) { runTable(false); }

// The same table, run by tavmir.exe under Wine (scripts/test.sh sets TAVMIR_WINDOWS_BIN).
TEST(ProgramRun, UnderWineEveryCaseOfTheTableGivesItsStatusOutputAndFiles) {
    if (windowsBin().empty()) GTEST_SKIP() << "TAVMIR_WINDOWS_BIN names no Windows build";
    runTable(true);
}

}  // namespace
}  // namespace tavmir
