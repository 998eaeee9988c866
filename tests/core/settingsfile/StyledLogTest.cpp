#include <gtest/gtest.h>

#include <cstdio>

#include "core/settingsfile/ReaderFixture.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {
namespace {

TEST(StyledLog, MergesRunsOfOneStyleAndAddsLineBreaks) {
    StyledLog log;
    log.append("Validating ", 0, kBlack, false);
    log.append("a.cfg", 1, kBlack, true);
    log.append("File type: CFG", 1, kBlack, false);
    log.append("Errors: 0", 1, kBlack, false);
    log.append("", 0, kRed, false);  // nothing to add
    ASSERT_EQ(log.runs().size(), 3u);
    EXPECT_EQ(log.runs()[2].text, "File type: CFG\r\nErrors: 0\r\n");
    EXPECT_EQ(log.plainText(), "Validating a.cfg\r\nFile type: CFG\r\nErrors: 0\r\n");
}

TEST(StyledLog, WritesRtfWithFontColourSizeBoldAndEscapes) {
    StyledLog log;
    log.append("Validating ", 0, kBlack, false);
    log.append("C:\\zone\\{a}.cfg", 1, kBlack, true);
    log.append("1. Error: caf\xE9\ttab\x7F~", 1, kRed, false);
    const std::string rtf = toRtf(log);
    EXPECT_EQ(rtf,
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n{\\fonttbl{\\f0\\fnil Verdana;}}\r\n"
              "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\r\n\\pard\\plain "
              "\\f0\\fs17\\cf1\\b0 Validating "
              "\\f0\\fs17\\cf1\\b C:\\\\zone\\\\\\{a\\}.cfg\\par\r\n"
              "\\f0\\fs17\\cf2\\b0 1. Error: caf\\'e9\\tab tab\\'7f~\\par\r\n}\r\n");
}

// unrtf, a separate RTF reader, must read the document back to the same text.
TEST(StyledLog, RtfReadsBackWithUnrtf) {
    if (std::system("command -v unrtf >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "unrtf is not installed";
    StyledLog log;
    log.append("Validating ", 0, kBlack, false);
    log.append("/zone/{x}\\y.cfg", 1, kBlack, true);
    log.append("1. Error in line 3: Wrong key name (Foo)", 1, kRed, false);
    log.append("Errors: 1", 2, kBlack, false);
    test::TempDir dir;
    const std::string rtfPath = dir.file("log.rtf", toRtf(log));
    const std::string outPath = dir.path("log.txt");
    ASSERT_EQ(
        std::system(
            ("unrtf --text --nopict '" + rtfPath + "' > '" + outPath + "' 2>/dev/null").c_str()),
        0);
    const std::string text = test::readAll(outPath);
    EXPECT_NE(text.find("Validating /zone/{x}\\y.cfg"), std::string::npos) << text;
    EXPECT_NE(text.find("1. Error in line 3: Wrong key name (Foo)"), std::string::npos) << text;
    EXPECT_NE(text.find("Errors: 1"), std::string::npos) << text;
}

}  // namespace
}  // namespace tavmir
