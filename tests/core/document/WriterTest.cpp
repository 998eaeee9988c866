#include <gtest/gtest.h>

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
    ASSERT_EQ(data.status, kStatusRead) << log.plainText();
    EXPECT_EQ(data.fileType, form);
    EXPECT_EQ(data.errorCount, 0) << log.plainText();
    EXPECT_EQ(data.warningCount, 0) << log.plainText();
    EXPECT_EQ(data.foundCount, kSettingCount);
    for (int n = 1; n <= kSettingCount; ++n)
        ASSERT_EQ(data.values[static_cast<std::size_t>(n)], trimSpaces(expected[n]))
            << "setting " << n;
}

TEST(SettingsWriter, WritesCfgGroupedBySectionWithBlankLinesBetweenSections) {
    const auto c = test::saveCatalogue();
    const FieldTexts doc = test::validDocument();

    // The expected file, built from the ship table rather than from the write order.
    std::string expected = "[Gen]\r\nG1=15\r\nG2=abc\r\nG3=-5\r\nG4=7\r\n";
    for (int n = 5; n <= kSettingCount; ++n)
        if (n <= 286 || n >= 959) expected += "G" + std::to_string(n) + "=1\r\n";
    for (int ship = 0; ship < kShipCount; ++ship) {
        expected += std::string("\r\n[") + kShipNames[static_cast<std::size_t>(ship)] + "]\r\n";
        for (int row = 1; row <= kShipRows; ++row)
            expected += "K" + std::to_string((shipTable(row, 0) - 287) / 8) + "=" +
                        std::to_string(row) + "\r\n";
    }
    const std::string cfg = cfgFileBytes(*c, doc);
    EXPECT_EQ(cfg, expected);
    EXPECT_EQ(countOf(cfg, "\r\n\r\n"), 8u);
    EXPECT_EQ(cfg.substr(cfg.size() - 8), "K22=84\r\n");
    EXPECT_EQ(settingsFileBytes(*c, doc, "CFG"), cfg);
    EXPECT_EQ(settingsFileBytes(*c, doc, ""), cfg);
}

TEST(SettingsWriter, WritesSetAsExactly961LinesWithLimitsOrShipReferences) {
    const auto c = test::saveCatalogue();
    const std::string set = setFileBytes(*c, test::validDocument());
    EXPECT_EQ(countOf(set, "\r\n"), 961u);
    EXPECT_EQ(countOf(set, "\n"), 961u);
    EXPECT_EQ(countOf(set, "\r\n\r\n"), 0u);
    EXPECT_EQ(set.substr(set.size() - 2), "\r\n");

    const std::string lines[] = {
        "Gen:G1:15:10:20:Setting 1\r\n",     // limits and description
        "\r\nGen:G2:abc:::Setting 2\r\n",    // both limits 0: ":::"
        "\r\nGen:G3:-5:-5:5:Setting 3\r\n",  // negative limit
        "\r\nGen:G4:7:::Setting 4\r\n",      // equal limits
        "\r\nWarbird:K0:13:::Setting 287\r\n",
        "\r\nJavelin:K0:13:*\r\n",
        "\r\nJavelin:K4: 1 :*\r\n",  // other ships keep the field's text as it is
        "\r\nShark:K83:76:*\r\n",
        "\r\nGen:G961:1:::Setting 961\r\n",
    };
    EXPECT_EQ(set.rfind(lines[0], 0), 0u);
    for (const std::string& line : lines) EXPECT_NE(set.find(line), std::string::npos) << line;
    EXPECT_EQ(settingsFileBytes(*c, test::validDocument(), "SET"), set);
}

TEST(SettingsWriter, KeepsEachValueOnItsOwnLine) {
    const auto c = test::saveCatalogue();
    FieldTexts doc = test::validDocument();
    doc[2] = "a\r\n[X]";
    doc[shipTable(1, 2)] = "1\n2";
    const std::string cfg = cfgFileBytes(*c, doc);
    const std::string set = setFileBytes(*c, doc);
    EXPECT_NE(cfg.find("\r\nG2=a  [X]\r\n"), std::string::npos);
    EXPECT_EQ(countOf(set, "\n"), 961u);
    EXPECT_NE(set.find("\r\nSpider:K4:1 2:*\r\n"), std::string::npos);
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
