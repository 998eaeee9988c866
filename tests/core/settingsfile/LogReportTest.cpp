#include "settingsfile/LogReport.h"
#include "support/StatusText.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavmir {
namespace {

namespace fs = std::filesystem;

StyledLog sampleLog() {
    StyledLog log;
    log.append("a.cfg", 1, kBlack, true);
    log.append("1. Error in line 3: bad", 2, kRed, false);
    log.append("Errors: 1", 1, kBlack, false);
    return log;
}

TEST(LogReport, WritesTheBytesOfTheChosenForm) {
    const StyledLog log = sampleLog();
    EXPECT_EQ(logReportBytes(log, LogReportForm::PlainText),
              "a.cfg\r\n1. Error in line 3: bad\r\n\r\nErrors: 1\r\n");
    EXPECT_EQ(logReportBytes(log, LogReportForm::Rtf), toRtf(log));
}

TEST(LogReport, ReportsAFailedWriteWithThePathAndReasonAndLeavesNoFile) {
    const std::string path = "/nonexistent-tavmir-folder/r.txt";
    const std::string message = test::statusText(saveLogReportFile(path, sampleLog(), 1));
    EXPECT_EQ(message.rfind("Error writing to file: " + path + "\r\n\r\n", 0), 0u) << message;
    EXPECT_GT(message.size(), ("Error writing to file: " + path + "\r\n\r\n").size());
    EXPECT_FALSE(fs::exists(path));

    EXPECT_EQ(logReportWriteError("/x.txt", "Permission denied"),
              "Error writing to file: /x.txt\r\n\r\nPermission denied");
    EXPECT_EQ(logReportWriteError("/x.txt", ""), "Error writing to file: /x.txt");
}

}  // namespace
}  // namespace tavmir
