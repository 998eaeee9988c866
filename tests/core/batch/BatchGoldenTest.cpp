// Golden cases of the batch tools. Each folder tests/data/batch/NAME.case holds a case.txt of
// directives, the input files, and the expected outputs (*.expected, compared byte for byte;
// a comparison also gives its outcome: the origin's errors, the counts and the last progress).
// TAVMIR_REGENERATE=1 rewrites the expected files from what the code produces.
//
// Directives: "sample NAME" copies the project's sample file, "good NAME" the same without its
// two faults; "edit NAME Section:Key=Value" (or "=<drop>") and "replace NAME OLD NEW" change it;
// "mkdir D", "touch F", "link L TARGET" build a folder tree; "mode validate|compare|scan|template";
// "origin F"; "file F"; "stop-after N" (a stop during file N); "still-clock" (no repaint ever
// falls due: only the end shows progress); "scan DIR FILTER SUB"; "chosen F";
// "fix [fail-write N|limit BYTES]"; "posix WHY" runs the case on POSIX systems only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "batch/BatchComparison.h"
#include "batch/BatchValidation.h"
#include "batch/TemplateCheck.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace tavmir;

namespace {

const fs::path kCases = fs::path(TAVMIR_TEST_DATA) / "batch";

std::string dumpLog(const StyledLog& log) {
    std::string out;
    for (const LogRun& r : log.runs()) {
        const bool marked = r.bold || r.color != kBlack;
        if (marked)
            out += std::string("{") + (r.bold ? "b" : "") + (r.color == kRed ? "r" : "") + "}";
        out += r.text;
        if (marked) out += "{/}";
    }
    return out;
}

std::string dumpGrid(const BatchFileList& list) {
    static const char* marks[] = {"", "Ok", "Orange", "Red"};
    std::string out = list.caption() + "\n";
    for (std::size_t i = 0; i < list.size(); ++i) {
        const BatchRow& r = list.row(i);
        out += std::to_string(i + 1) + "|" + r.path;
        for (int c = 0; c < (list.mode() == BatchMode::Validate ? 3 : 1); ++c)
            out += "|" + r.cells[c] + (c == 0 && r.typeAlert ? "*" : "");
        out += std::string("|") + marks[static_cast<int>(r.mark)] + "\n";
    }
    return out;
}

// "[Section]" ... "Key=" lines: the value replaced, or the line dropped.
void editCfg(const fs::path& file, const std::string& change) {
    const auto colon = change.find(':'), eq = change.find('=');
    const std::string section = change.substr(0, colon),
                      key = change.substr(colon + 1, eq - colon - 1);
    const std::string value = change.substr(eq + 1);
    std::istringstream in(test::readAll(file));
    std::string line, current, out;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') current = line.substr(1, line.find(']') - 1);
        if (current == section && line.rfind(key + "=", 0) == 0) {
            if (value == "<drop>") continue;
            line = key + "=" + value;
        }
        out += line + "\r\n";
    }
    test::writeBytes(file, out);
}

class BatchGolden : public ::testing::TestWithParam<std::string> {
  protected:
    static void SetUpTestSuite() { s_catalogue = Catalogue::load(TAVMIR_BIN_DIR).catalogue; }
    static inline std::shared_ptr<const Catalogue> s_catalogue;

    void expect(const fs::path& source, const std::string& name, const std::string& actual) {
        const fs::path file = source / (name + ".expected");
        if (std::getenv("TAVMIR_REGENERATE")) {
            test::writeBytes(file, actual);
            return;
        }
        ASSERT_TRUE(fs::exists(file)) << file;
        EXPECT_EQ(test::readAll(file), actual) << file;
    }
};

TEST_P(BatchGolden, MatchesExpectedFiles) {
    ASSERT_TRUE(s_catalogue);
    const fs::path source = kCases / GetParam();
    test::TempDir dir;
    for (const auto& e : fs::directory_iterator(source))
        if (e.path().extension() != ".expected")
            fs::copy(e.path(), dir.path() / e.path().filename());
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());

    std::ifstream directives(source / "case.txt");
    std::string mode, origin, chosen, word;
    std::vector<std::string> files, fixes;
    std::size_t stopAfter = 0;
    bool stillClock = false;
    BatchFileList list(BatchMode::Validate);
    for (std::string line; std::getline(directives, line);) {
        std::istringstream in(line);
        in >> word;
        std::string a, b, c;
        in >> a >> b >> c;
        if (word == "sample")
            fs::copy_file(fs::path(TAVMIR_TEST_DATA) / "../../samples/arena.cfg", a);
        if (word == "edit") editCfg(a, b);
        if (word == "replace") {
            std::string bytes = test::readAll(a);
            bytes.replace(bytes.find(b), b.size(), c);
            test::writeBytes(a, bytes);
        }
        if (word == "good") {  // the sample without its two deliberate faults
            fs::copy_file(fs::path(TAVMIR_TEST_DATA) / "../../samples/arena.cfg", a);
            editCfg(a, "Latency:KickOutDelay=1000");
            std::string bytes = test::readAll(a);
            bytes.replace(bytes.find("NoFlagDeley"), 11, "NoFlagDelay");
            test::writeBytes(a, bytes);
        }
        if (word == "posix" && test::kWindows) GTEST_SKIP() << "a POSIX case: " << a;
        if (word == "mkdir") fs::create_directories(a);
        if (word == "touch") test::writeBytes(a, "x");
        // Wine makes no symbolic links: there the tree has none (the scan goes past a loop of
        // links without a trace in what it finds, so the expected files are the same).
        if (word == "link" && !test::kWindows) fs::create_directory_symlink(b, a);
        if (word == "mode") mode = a;
        if (word == "origin") origin = a;
        if (word == "file") files.push_back(a);
        if (word == "stop-after") stopAfter = std::stoul(a);
        if (word == "still-clock") stillClock = true;
        if (word == "chosen") chosen = a;
        if (word == "fix") fixes.push_back(a + " " + b);
        if (word == "scan") {
            std::string found;
            scanFolder(a, b, c == "1", [&](const std::string& p) { found += p + "\n"; });
            expect(source, "scan-" + a + "-" + (b == "*" ? "all" : b) + "-" + c, found);
        }
    }

    std::int64_t pacerTime = 0;
    const auto pacerClock = [&] { return stillClock ? pacerTime : pacerTime += 5; };
    BatchRunHooks hooks;
    hooks.longDate = [] { return std::string("Monday, December 7, 2026"); };
    hooks.longTime = [] { return std::string("12:00:00 PM"); };
    std::int64_t runTime = -4000;
    hooks.clock = [&] { return runTime += 4000; };  // every run takes four seconds

    if (mode == "validate") {
        for (const std::string& f : files) list.add(f);
        BatchValidation run(*s_catalogue, pacerClock);
        std::size_t current = 0;
        hooks.rowStarted = [&](std::size_t row) { current = row + 1; };
        hooks.yield = [&] {
            if (current == stopAfter) run.requestStop();
        };
        StyledLog log;
        run.run(list, log, hooks);
        expect(source, "log", dumpLog(log));
        expect(source, "grid", dumpGrid(list));
    } else if (mode == "compare") {
        BatchFileList clist(BatchMode::Compare);
        for (const std::string& f : files) clist.add(f);
        const ComparisonRefusal refusal = comparisonRefusal(*s_catalogue, origin, clist);
        if (!refusal.message.empty()) {
            expect(source, "refusal",
                   refusal.message + "\n" + std::to_string(static_cast<int>(refusal.focus)) + "\n");
        } else {
            BatchComparison run(*s_catalogue, pacerClock);
            std::size_t current = 0;
            hooks.rowStarted = [&](std::size_t row) { current = row + 1; };
            hooks.yield = [&] {
                if (current == stopAfter) run.requestStop();
            };
            std::string report;
            std::string lastProgress = "none";
            hooks.progress = [&](int file, int total) {
                lastProgress = std::to_string(file) + " " + std::to_string(total);
            };
            const BatchComparisonResult result = run.run(clist, origin, report, hooks);
            expect(source, "report", report);
            expect(source, "outcome",
                   "origin contains errors: " +
                       std::string(result.originContainsErrors ? "yes" : "no") +
                       "\nmatch: " + std::to_string(result.match) +
                       "\ndon't match: " + std::to_string(result.dontMatch) + "\nstopped: " +
                       (result.stopped ? "yes" : "no") + "\nlast progress: " + lastProgress + "\n");
        }
        expect(source, "grid", dumpGrid(clist));
    } else if (mode == "template") {
        StyledLog log;
        writeTemplateCheck(log, checkTemplateText(test::readAll(chosen)));
        const std::string original = test::readAll(chosen);
        fs::copy_file(source / "template.dat.in", "template.dat");
        std::string kind;
        long n = 0;
        int writes = 0;
        TemplateFix fix("template.dat", [&](const fs::path& p, std::string_view bytes) {
            if (kind == "fail-write" && ++writes == n)
                return WriteResult(writeFailure(WriteStage::Write, "Input/output error"));
            return writeFileSafely(p, bytes);
        });
        for (const std::string& f : fixes) {
            std::istringstream in(f);
            n = 0;
            writes = 0;
            in >> kind >> n;
            if (kind == "limit") {
#ifndef _WIN32
                test::FileSizeLimit limit(static_cast<std::size_t>(n));
#endif
                fix.fix(chosen, log);
            } else {
                fix.fix(chosen, log);
            }
        }
        const auto state = [&](const std::string& path) -> std::string {
            if (!fs::exists(path)) return "missing";
            const std::string bytes = test::readAll(path);
            return bytes == original                        ? "original"
                   : bytes == test::readAll("template.dat") ? "corrected"
                                                            : "other";
        };
        expect(source, "log", dumpLog(log));
        expect(source, "files",
               chosen + ": " + state(chosen) + "\n" + chosen + ".bak: " + state(chosen + ".bak") +
                   "\n");
    }
    fs::current_path(before);
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(kCases))
        if (e.path().extension() == ".case") names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchGolden, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) {
                             std::string n = info.param.substr(0, info.param.size() - 5);
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

}  // namespace
