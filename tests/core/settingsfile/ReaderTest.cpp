// What the golden logs (ReaderGoldenTest) cannot hold: files that cannot be read, the styles
// of the log, the batch header and progress, and the report file.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/settingsfile/ReaderFixture.h"

namespace tavmir {
namespace {

using test::TempDir;

struct Validation {
    SettingsFileData data;
    StyledLog log;
    Validation(const Catalogue& c, const std::string& path) {
        data.fileName = path;
        data.log = &log;
        validateSettingsFile(c, data, test::fixedClock());
    }
};

TEST(Reader, ReportsFilesThatCannotBeReadAndStopsThere) {
    const auto cat = test::readerCatalogue();
    TempDir dir;
    const std::string missing = dir.path("vanished.cfg");
    Validation m(*cat, missing);
    EXPECT_EQ(m.data.status, ReadStatus::ReadFailed);
    EXPECT_EQ(m.log.plainText(), "Sunday, December 6, 2026      22:00:00\r\n\r\nValidating " +
                                     missing + "\r\n\r\nNo such file or directory\r\n\r\n");
    EXPECT_EQ(m.log.runs().back().color, kRed);
    EXPECT_EQ(m.data.failureReason, "No such file or directory");
    EXPECT_EQ(detectFileType(*cat, missing), "");

    Validation folder(*cat, dir.path(""));
    EXPECT_EQ(folder.data.status, ReadStatus::ReadFailed);
    EXPECT_NE(folder.log.plainText().find("Is a directory"), std::string::npos);

    const std::string huge = dir.file("huge.cfg", std::string(kMaxSettingsFileSize + 1, 'x'));
    Validation h(*cat, huge);
    EXPECT_EQ(h.data.status, ReadStatus::ReadFailed);
    EXPECT_EQ(h.data.failureReason,
              "File is too large (more than 16 MB): it cannot be a settings file");

    // Bytes given in memory obey the same limit: exactly 16 MB are read, one byte more is not.
    for (const std::uintmax_t size : {kMaxSettingsFileSize, kMaxSettingsFileSize + 1}) {
        SettingsFileData data;
        StyledLog log;
        data.fileName = "memory.cfg";
        data.log = &log;
        validateSettingsBytes(*cat, data, test::fixedClock(),
                              std::string(static_cast<std::size_t>(size), 'x'));
        EXPECT_EQ(data.failureReason, size > kMaxSettingsFileSize
                                          ? "File is too large (more than 16 MB): it cannot be a "
                                            "settings file"
                                          : "")
            << size;
    }
    Validation edge(*cat, dir.file("edge.cfg", std::string(kMaxSettingsFileSize, 'x')));
    EXPECT_NE(edge.data.status, ReadStatus::ReadFailed);

    // A 10 MB line is read to its end: one overflow.
    Validation l(*cat, dir.file("long.cfg", test::completeCfg(*cat) + "[Gen]\r\nG3=" +
                                                std::string(10 * 1024 * 1024, '7') + "\r\n"));
    EXPECT_EQ(l.data.errorCount, 1);
    EXPECT_EQ(l.data.foundCount, kSettingCount);
}

TEST(Reader, ListsAHundredThousandMessagesAndCountsTheRest) {
    const auto cat = test::readerCatalogue();
    std::string bytes = test::completeCfg(*cat) + "[Gen]\r\n";
    for (int i = 0; i < 100002; ++i) bytes += "G1=500\r\n";
    SettingsFileData data;
    StyledLog log;
    data.fileName = "many.cfg";
    data.log = &log;
    validateSettingsBytes(*cat, data, test::fixedClock(), bytes);
    EXPECT_EQ(data.errorCount, 100002);
    const std::string text = log.plainText();
    const std::string tooMany = "Too many errors and warnings: the rest are counted but not listed";
    const std::size_t at = text.find(tooMany);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.find(tooMany, at + 1), std::string::npos);
    // The last message listed is the 100,000th, just before that line.
    const std::size_t last = text.rfind("\r\n100000. ", at);
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(text.find("\r\n", last + 2), at - 2);
    EXPECT_EQ(text.find("100001. "), std::string::npos);
}

TEST(Reader, WritesTheFileNameBoldTheErrorListRedAndAllInVerdana) {
    const auto cat = test::readerCatalogue();
    TempDir dir;
    const std::string path = dir.file("a.cfg", test::completeCfg(*cat) + "[Gen]\r\nG1=101\r\n");
    Validation run(*cat, path);
    const auto& runs = run.log.runs();
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_TRUE(runs[1].bold);
    EXPECT_EQ(runs[1].text, path + "\r\n");
    EXPECT_EQ(runs[3].color, kRed);
    EXPECT_EQ(runs[3].text.substr(0, 3), "1. ");
    for (const LogRun& r : runs) {
        EXPECT_EQ(r.font, "Verdana");
        EXPECT_EQ(r.size, 8.5);
        EXPECT_EQ(r.bold, &r == &runs[1]);
    }
    EXPECT_EQ(runs[4].text, "Errors: 1\r\nWarnings: 0\r\n\r\n");
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
    d.reportFormat = ReportFormat::PlainText;
    validateSettingsFile(*cat, d, env);
    EXPECT_EQ(log.plainText(),
              "3. Validating " + path + "\r\nFile type: CFG\r\nErrors: 0\r\nWarnings: 0\r\n\r\n");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), std::make_pair(0, 0));
    EXPECT_EQ(progress.back(), std::make_pair(100, 75));
    const std::string text = test::completeCfg(*cat);
    EXPECT_GE(yields, std::count(text.begin(), text.end(), '\n'));
    EXPECT_EQ(test::readAll(d.reportFile), log.plainText());
    EXPECT_EQ(d.status, ReadStatus::Read);

    // A report that cannot be written; a later run clears the reason.
    d.options = kOptionSaveReport;
    d.reportFile = path + "/under-a-file.log";
    log.clear();
    validateSettingsFile(*cat, d, env);
    EXPECT_EQ(d.status, ReadStatus::ReportFailed);
    EXPECT_EQ(d.failureReason, "Not a directory");
    EXPECT_NE(log.plainText().find("Warnings: 0"), std::string::npos) << "the log is complete";
    d.reportFile = path + ".log";
    validateSettingsFile(*cat, d, env);
    EXPECT_EQ(d.status, ReadStatus::Read);
    EXPECT_EQ(d.failureReason, "") << "a later run clears the reason";
}

}  // namespace
}  // namespace tavmir
