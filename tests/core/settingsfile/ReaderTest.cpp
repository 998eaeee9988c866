#include <gtest/gtest.h>

#include <algorithm>

#include "core/settingsfile/ReaderFixture.h"

namespace tavmir {
namespace {

using test::TempDir;

std::string header(const std::string& path) {
    return "Sunday, December 6, 2026      22:00:00\r\n\r\nValidating " + path + "\r\n";
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

struct Validation {
    SettingsFileData data;
    StyledLog log;
    Validation(const Catalogue& c, const std::string& path, ReaderEnvironment env = test::fixedClock()) {
        data.fileName = path;
        data.log = &log;
        validateSettingsFile(c, data, env);
    }
};

TEST(Reader, ListsEveryCfgMessageInOrderWithCountsAndSummary) {
    const auto cat = test::readerCatalogue();
    std::string text = test::completeCfg(*cat, "\r\n", /*skip=*/5);
    const int l = lineCount(text) + 1;
    text +=
        "[Nowhere]\r\nK0=5\r\nG3=7\r\nNoSuchKey=1\r\njust text\r\na=b=c\r\n[Gen]\r\nK0=5\r\n"
        "G1=101\r\n  G1 = -1.50  \r\nG1=abc\r\nG1=00000000001\r\nG2=toolong\r\nG3=2147483648\r\n"
        "G3=2147483647\r\n\r\nG3=   \r\n[Warbird]\r\nK4=10\r\nK9=5\r\n";
    TempDir dir;
    const std::string path = dir.file("crafted.set", text);

    Validation run(*cat, path);
    auto L = [&](int offset) { return std::to_string(l + offset); };
    const std::string expected =
        header(path) + "File type: CFG\r\n" +
        "1. Error in line " + L(0) + ": Wrong section name (Nowhere)\r\n" +
        "2. Error in line " + L(1) + ": Wrong setting name (Nowhere:K0)\r\n" +
        "3. Error in line " + L(3) + ": Wrong key name (NoSuchKey)\r\n" +
        "4. Error in line " + L(4) + ": Syntax error (\"=\" not found)\r\n" +
        "5. Error in line " + L(5) + ": Syntax error (too many \"=\" found)\r\n" +
        "6. Error in line " + L(7) + ": Wrong setting name (Gen:K0)\r\n" +
        "7. Error in line " + L(8) + ": Value is higher than high limit (Gen:G1=101. High limit is 100)\r\n" +
        "8. Error in line " + L(9) + ": Value is lower than low limit (Gen:G1=-1.5. Low limit is 0)\r\n" +
        "9. Error in line " + L(10) + ": Value is not numeric (Gen:G1=abc)\r\n" +
        "10. Error in line " + L(11) + ": Overflow (Gen:G1=00000000001)\r\n" +
        "11. Error in line " + L(12) + ": Alphanumeric setting too long (Gen:G2. Length=7 chars. Max is 5)\r\n" +
        "12. Error in line " + L(13) + ": Overflow (Gen:G3=2147483648)\r\n" +
        "13. Error: Setting not found (Gen:G5)\r\n" +
        "1. Warning: Warbird, K4 (10) is greater than K9 (5)\r\n" +
        "2. Warning. File extension (SET) does not correspond to file type (CFG)\r\n" +
        "Errors: 13\r\nWarnings: 2\r\n\r\n";
    EXPECT_EQ(run.log.plainText(), expected);

    const SettingsFileData& d = run.data;
    EXPECT_EQ(d.status, kStatusRead);
    EXPECT_EQ(d.fileType, "CFG");
    EXPECT_FALSE(d.extensionMatches);
    EXPECT_EQ(d.foundCount, 960);
    EXPECT_EQ(d.errorCount, 13);
    EXPECT_EQ(d.warningCount, 2);
    EXPECT_EQ(d.values[3], "");  // the later, empty, line replaced 7 and 2147483647
    EXPECT_EQ(d.values[1], "00000000001") << "a bad value is still kept";
    EXPECT_TRUE(d.valueError[1]);
    EXPECT_TRUE(d.valueError[3]) << "an error on an earlier line for the setting stays";
    EXPECT_FALSE(d.found[5]);
    EXPECT_TRUE(d.limitWarning[319]);
    EXPECT_FALSE(d.limitWarning[359]);

    // Styles: the file name bold, the error list red, everything else black Verdana 8.5.
    const auto& runs = run.log.runs();
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_TRUE(runs[1].bold);
    EXPECT_EQ(runs[1].text, path + "\r\n");
    EXPECT_EQ(runs[3].color, kRed);
    EXPECT_EQ(runs[3].text.substr(0, 3), "1. ");
    for (const LogRun& r : runs) {
        EXPECT_EQ(r.font, "Verdana");
        EXPECT_EQ(r.size, 8.5);
    }
    EXPECT_EQ(runs[4].text, "Errors: 13\r\nWarnings: 2\r\n\r\n");
}

TEST(Reader, ListsEverySetMessage) {
    const auto cat = test::readerCatalogue();
    std::string text = test::completeSet(*cat);
    const int l = lineCount(text) + 1;
    text += "Gen:G3:5:ignored:more\r\nGen:Nope:1\r\nNowhere:G1:1\r\nNowhere:Nope:1\r\nGen:K0:1\r\n"
            ":G1:1\r\nGen:G1\r\n [Gen] \r\nG1=5\r\nGen : G1 : 150 \r\n";
    TempDir dir;
    const std::string path = dir.file("crafted.txt", text);
    Validation run(*cat, path);
    auto L = [&](int offset) { return std::to_string(l + offset); };
    EXPECT_EQ(run.log.plainText(),
              header(path) + "File type: SET\r\n" +
                  "1. Error in line " + L(1) + ": Wrong key name (Nope)\r\n" +
                  "2. Error in line " + L(2) + ": Wrong section name (Nowhere)\r\n" +
                  "3. Error in line " + L(3) + ": Wrong setting name (Nowhere:Nope)\r\n" +
                  "4. Error in line " + L(4) + ": Wrong setting name (Gen:K0)\r\n" +
                  "5. Error in line " + L(5) + ": Syntax error (line is bad formatted)\r\n" +
                  "6. Error in line " + L(6) + ": Syntax error (line is bad formatted)\r\n" +
                  "7. Error in line " + L(7) + ": Syntax error (line is bad formatted)\r\n" +
                  "8. Error in line " + L(8) + ": Syntax error (line is bad formatted)\r\n" +
                  "9. Error in line " + L(9) + ": Value is higher than high limit (Gen:G1=150. High limit is 100)\r\n" +
                  "Errors: 9\r\nWarnings: 0\r\n\r\n");
    EXPECT_EQ(run.data.values[3], "5");
    EXPECT_TRUE(run.data.extensionMatches) << "only .cfg and .set extensions are compared";
}

TEST(Reader, StopsEarlyWithTheFixedLogs) {
    const auto cat = test::readerCatalogue();
    TempDir dir;
    const std::string fixedTail = "Errors: 1\r\nWarnings: 0\r\n\r\n";

    const std::string empty = dir.file("empty.cfg", "");
    Validation e(*cat, empty);
    EXPECT_EQ(e.data.status, kStatusEmpty);
    EXPECT_EQ(e.data.errorCount, 0);
    EXPECT_EQ(e.log.plainText(), header(empty) + "File type: unknown\r\n1. Error: File is empty\r\n" + fixedTail);

    // Binary garbage, and valid settings only after line 50: neither form.
    std::string late(50, '\n');
    late += "[Gen]\nG1=1\n";
    for (const std::string& bytes : {std::string("\x7f\x45\x4c\x46\x00\x01\x02\xff\xfe", 9), late}) {
        const std::string p = dir.file("unknown.cfg", bytes);
        Validation u(*cat, p);
        EXPECT_EQ(u.data.status, kStatusUnknownForm);
        EXPECT_EQ(u.data.fileType, "");
        EXPECT_EQ(u.log.plainText(),
                  header(p) + "File type: unknown\r\n1. Error: File is not in CFG or SET format\r\n" + fixedTail);
    }

    const std::string missing = dir.path("vanished.cfg");
    Validation m(*cat, missing);
    EXPECT_EQ(m.data.status, kStatusReadFailed);
    EXPECT_EQ(m.log.plainText(), header(missing) + "\r\nNo such file or directory\r\n\r\n");
    EXPECT_EQ(m.log.runs().back().color, kRed);

    Validation folder(*cat, dir.path(""));
    EXPECT_EQ(folder.data.status, kStatusReadFailed);
    EXPECT_NE(folder.log.plainText().find("Is a directory"), std::string::npos);

    const std::string huge = dir.file("huge.cfg", std::string(kMaxSettingsFileSize + 1, 'x'));
    Validation h(*cat, huge);
    EXPECT_EQ(h.data.status, kStatusReadFailed);
    EXPECT_NE(h.log.plainText().find("File is too large"), std::string::npos);
}

TEST(Reader, AcceptsEveryLineEndAndKeepsOddBytesInValues) {
    const auto cat = test::readerCatalogue();
    TempDir dir;
    for (const std::string eol : {"\r\n", "\r", "\n"}) {
        Validation r(*cat, dir.file("ends.cfg", test::completeCfg(*cat, eol)));
        EXPECT_EQ(r.data.errorCount, 0) << r.log.plainText();
        EXPECT_EQ(r.data.foundCount, 961);
    }
    // Mixed ends, a byte-order mark, a NUL inside a value and a 10 MB line.
    std::string text = "\xEF\xBB\xBF" + test::completeCfg(*cat, "\n") + "[Gen]\r\n";
    text += std::string("G3=1\0\rG2=a\0b\n", 13);
    text += "G3=" + std::string(10 * 1024 * 1024, '7') + "\r\n";
    Validation r(*cat, dir.file("odd.cfg", text));
    EXPECT_EQ(r.data.status, kStatusRead);
    EXPECT_EQ(r.data.foundCount, 961);
    EXPECT_EQ(r.data.values[2], std::string("a\0b", 3));
    EXPECT_EQ(r.data.errorCount, 2) << "the NUL value is not numeric, the long one an overflow";
    EXPECT_NE(r.log.plainText().find(std::string("Value is not numeric (Gen:G3=1\0)", 32)), std::string::npos);
}

TEST(Reader, WritesBatchHeaderProgressAndReports) {
    const auto cat = test::readerCatalogue();
    TempDir dir;
    const std::string path = dir.file("batch.cfg", test::completeCfg(*cat));
    ReaderEnvironment env;
    env.batchFileNumber = 3;
    env.batchFileTotal = 4;
    std::vector<std::pair<int, int>> progress;
    int yields = 0;
    env.progress = [&](int f, int o) { progress.emplace_back(f, o); };
    env.yield = [&] { ++yields; };

    SettingsFileData d;
    StyledLog log;
    d.fileName = path;
    d.log = &log;
    d.options = kOptionSaveReport | kOptionBatchProgress;
    d.reportFile = path + ".log";
    d.reportFormat = 1;
    validateSettingsFile(*cat, d, env);
    EXPECT_EQ(log.plainText(), "3. Validating " + path + "\r\nFile type: CFG\r\nErrors: 0\r\nWarnings: 0\r\n\r\n");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), std::make_pair(0, 0));
    EXPECT_EQ(progress.back(), std::make_pair(100, 75));
    EXPECT_GE(yields, lineCount(test::completeCfg(*cat)));
    EXPECT_EQ(test::readAll(d.reportFile), log.plainText());
    EXPECT_EQ(d.status, kStatusRead);

    // A report that cannot be written, and an unknown report format.
    d.options = kOptionSaveReport;
    d.reportFile = path + "/under-a-file.log";
    log.clear();
    validateSettingsFile(*cat, d, env);
    EXPECT_EQ(d.status, kStatusReportFailed);
    EXPECT_NE(log.plainText().find("Warnings: 0"), std::string::npos) << "the log itself is complete";
    d.reportFile = path + ".log";
    d.reportFormat = 2;
    validateSettingsFile(*cat, d, env);
    EXPECT_EQ(d.status, kStatusReportFailed);
}

TEST(CheckValue, ReturnsTheCodeOfTheFirstFailingTest) {
    const auto cat = test::readerCatalogue();
    struct Row {
        int n;
        std::string value;
        std::string code;
    };
    // Which texts are numbers is the numeric rules' own test; here: the order of the tests.
    const Row rows[] = {
        {1, "50", ""},           {1, "", ""},             {1, "   ", ""},          {1, "100", ""},
        {1, "101", "5"},         {1, "-1", "4"},          {1, "100.5", "5"},       {1, "1e2", ""},
        {1, "abc", "2"},         {1, "00000000001", "3"}, {1, "0000000001", ""},   {3, "2147483647", ""},
        {3, "2147483648", "3"},  {3, "-2147483648", "3"}, {3, "1e300", "3"},       {3, "-1e300", "3"},
        {1, "&H10", ""},         {1, "&HFF", "5"},        {2, "12345", ""},        {2, "123456", "1"},
        {2, "  x  ", ""},        {1, " 7 ", ""},
    };
    for (const Row& r : rows) EXPECT_EQ(checkValue(*cat, r.n, r.value), r.code) << r.n << " '" << r.value << "'";
}

TEST(DetectFileType, DecidesByTheFirstLineThatPassesATestWithinFiftyLines) {
    const auto cat = test::readerCatalogue();
    TempDir dir;
    struct Row {
        std::string text;
        std::string form;
    };
    const Row rows[] = {
        {"[Gen]\r\nG1=5\r\n", "CFG"},
        {"Gen:G1:5\r\n", "SET"},
        {"G1=a=b\r\nGen:G1:5\r\n", "SET"},          // two "=" never make CFG
        {"Gen:G1:\r\n", ""},                        // empty SET value decides nothing
        {"Nope=1\r\nGen:G1:5\r\n", "SET"},
        {"G1=Gen:G1:5\r\n", "CFG"},                 // the CFG test comes first on a line
        {"[Gen]\r\n[Warbird]\r\n", ""},
        {":G1:5\r\n", ""},
        {std::string(49, '\n') + "G1=1\n", "CFG"},
        {std::string(50, '\n') + "G1=1\n", ""},
        {"  Gen :  G1  : 1", "SET"},
    };
    for (const Row& r : rows) EXPECT_EQ(detectFileType(*cat, dir.file("x.txt", r.text)), r.form) << r.text;
    EXPECT_EQ(detectFileType(*cat, dir.path("missing.cfg")), "");
}

}  // namespace
}  // namespace tavmir
