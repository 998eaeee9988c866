#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "SaveTestSupport.h"
#include "common/Text.h"
#include "document/SaveChecks.h"
#include "document/SettingsWriter.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir {
namespace {

using test::TempDir;

std::size_t countOf(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

// Reads bytes back through the one reader and expects a clean file holding `expected`.
void expectReadsBack(const Catalogue& c, const std::string& bytes, const std::string& name,
                     const FieldTexts& expected, const std::string& form) {
    TempDir dir;
    StyledLog log;
    SettingsFileData data;
    data.fileName = dir.file(name, bytes);
    data.log = &log;
    validateSettingsFile(c, data, ReaderEnvironment{});
    ASSERT_EQ(data.status, ReadStatus::Read) << log.plainText();
    EXPECT_EQ(data.fileType, form);
    EXPECT_EQ(data.errorCount, 0) << log.plainText();
    EXPECT_EQ(data.warningCount, 0) << log.plainText();
    EXPECT_EQ(data.foundCount, kSettingCount);
    for (int n = 1; n <= kSettingCount; ++n)
        ASSERT_EQ(data.values[static_cast<std::size_t>(n)], trimSpaces(expected[n]))
            << "setting " << n;
}

// The written files, golden: tests/data/writer/<document>.cfg and .set hold the bytes each
// form must have (CFG grouped by section with a blank line between sections; SET exactly 961
// lines with limits and descriptions, or "*" for the ships after the Warbird). "valid" is
// SaveTestSupport's document; "line-breaks" puts line breaks into two values, which must not
// split their lines. TAVMIR_REGENERATE=1 rewrites the files (review the diff).
TEST(SettingsWriter, WritesEachFormByteForByte) {
    const auto c = test::saveCatalogue();
    FieldTexts lineBreaks = test::validDocument();
    lineBreaks[2] = "a\r\n[X]";
    lineBreaks[shipTable(1, 2)] = "1\n2";
    const std::pair<const char*, FieldTexts> documents[] = {{"valid", test::validDocument()},
                                                            {"line-breaks", lineBreaks}};
    for (const auto& [name, doc] : documents) {
        for (const std::string form : {"CFG", "SET"}) {
            const std::string bytes = settingsFileBytes(*c, doc, form);
            const std::filesystem::path golden =
                std::filesystem::path(TAVMIR_TEST_DATA) / "writer" /
                (name + std::string(form == "SET" ? ".set" : ".cfg"));
            if (std::getenv("TAVMIR_REGENERATE")) test::writeBytes(golden, bytes);
            EXPECT_EQ(bytes, test::readAll(golden)) << golden;
            EXPECT_EQ(countOf(bytes, "\n"), form == "SET" ? 961u : 961u + 8u + 9u) << golden;
        }
    }
    EXPECT_EQ(settingsFileBytes(*c, test::validDocument(), ""),
              cfgFileBytes(*c, test::validDocument()));
}

TEST(SettingsWriter, WrittenFilesReadBackCleanInBothFormsAndConvert) {
    const auto c = test::saveCatalogue();
    const FieldTexts doc = test::validDocument();
    const std::string cfg = cfgFileBytes(*c, doc);
    expectReadsBack(*c, cfg, "a.cfg", doc, "CFG");
    expectReadsBack(*c, setFileBytes(*c, doc), "a.set", doc, "SET");

    // CFG -> SET -> CFG gives the first file again.
    FieldTexts trimmed;
    for (int n = 1; n <= kSettingCount; ++n) trimmed[n] = std::string(trimSpaces(doc[n]));
    EXPECT_EQ(cfgFileBytes(*c, trimmed), cfg);
}

TEST(SettingsWriter, RealCatalogueDefaultsPassTheChecksAndReadBack) {
    const auto load = Catalogue::load(TAVMIR_BIN_DIR);
    if (!load.catalogue) GTEST_SKIP() << "no generated catalogue: " << load.error;
    const Catalogue& c = *load.catalogue;
    FieldTexts doc;
    for (int n = 1; n <= kSettingCount; ++n) doc[n] = c[n].defaultValue;
    ASSERT_FALSE(checkBeforeSave(c, doc).has_value()) << checkBeforeSave(c, doc)->message;
    expectReadsBack(c, cfgFileBytes(c, doc), "server.cfg", doc, "CFG");
    expectReadsBack(c, setFileBytes(c, doc), "server.set", doc, "SET");

    // The Warbird's initial energy at its highest, its maximum at its lowest.
    const int a = shipTable(1, 0), b = shipTable(2, 0);
    doc[a] = std::to_string(c[a].hasRange() ? c[a].highLimit : 30000);
    doc[b] = std::to_string(c[b].hasRange() ? c[b].lowLimit : 0);
    const auto failure = checkBeforeSave(c, doc);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Warbird InitialEnergy is greater than MaximumEnergy");
}

}  // namespace
}  // namespace tavmir
