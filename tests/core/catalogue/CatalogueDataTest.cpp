// Checks the generated catalogue (mset.dat) and corrected server template (template.dat)
// against facts about the server's settings, and checks that mkcatalogue refuses broken
// tables without leaving output behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using tavmir::Catalogue;
using tavmir::test::readAll;

const fs::path kBinDir = TAVMIR_BIN_DIR;
const fs::path kDataDir = TAVMIR_CATALOGUE_SOURCES;
const fs::path kTool = TAVMIR_MKCATALOGUE;
// The server's own arena file lies in the shared reference folder beside the work tree; it is
// read where it is and never copied into the project.
fs::path serverDefaultCfg() {
    for (const fs::path& dir :
         {fs::path(TAVMIR_SHARED_REFERENCE), fs::path("/work/shared/reference")})
        if (fs::exists(dir / "server-default-arena.cfg")) return dir / "server-default-arena.cfg";
    return {};
}

const Catalogue& catalogue() {
    static const tavmir::CatalogueLoad load = Catalogue::load(kBinDir);
    if (!load.catalogue) ADD_FAILURE() << load.error;
    return *load.catalogue;
}

int find(const std::string& section, const std::string& key) {
    return catalogue().findSetting(section, key);
}

TEST(CatalogueData, LoadsAsExactlySizedMasterFile) {
    EXPECT_EQ(fs::file_size(kBinDir / "mset.dat"), 362297u);
    const tavmir::CatalogueLoad load = Catalogue::load(kBinDir);
    ASSERT_NE(load.catalogue, nullptr) << load.error;
    EXPECT_EQ(load.error, "");
}

// Defaults, limits and the lengths of the text settings are a table (catalogue-facts.tsv);
// here: there are exactly twenty text settings, every number takes eleven characters and every
// setting is described.
TEST(CatalogueData, HasTwentyTextSettingsAndEveryNumberTakesElevenCharacters) {
    int textCount = 0;
    for (int n = 1; n <= tavmir::kSettingCount; ++n) {
        const tavmir::SettingDef& d = catalogue()[n];
        if (d.isText()) {
            ++textCount;
            EXPECT_FALSE(d.hasRange()) << d.key;
        } else {
            EXPECT_EQ(d.valueType, 'N') << d.key;
            EXPECT_EQ(d.maxLength, 11) << d.key;
        }
        EXPECT_FALSE(d.description.empty()) << d.key;
        EXPECT_LE(d.description.size(), 255u) << d.key;
    }
    EXPECT_EQ(textCount, 20);
    EXPECT_EQ(find("Spectator", "HideFlags"), 959);
    EXPECT_EQ(find("Spectator", "NoXRadar"), 960);
    EXPECT_EQ(find("PacketLoss", "C2SNegativeKickOutPercent"), 961);
}

TEST(CatalogueData, PlacesEveryShipTableCellOnItsShipPage) {
    EXPECT_EQ(catalogue()[tavmir::shipTable(1, 4)].key, "InitialEnergy");
    for (int r = 1; r <= tavmir::kShipRows; ++r) {
        const std::string key = catalogue()[tavmir::shipTable(r, 0)].key;
        for (int c = 0; c < tavmir::kShipCount; ++c) {
            const tavmir::SettingDef& d = catalogue()[tavmir::shipTable(r, c)];
            EXPECT_EQ(std::tie(d.section, d.key, d.page, d.row, d.column),
                      std::make_tuple(std::string(tavmir::kShipNames[static_cast<std::size_t>(c)]),
                                      key, 4 + c, (r - 1) % 21 + 1, (r - 1) / 21 + 1))
                << r << "," << c;
        }
    }
}

TEST(CatalogueData, MakesEveryAscendingPairAnInitialAndMaximumOfOneThing) {
    for (const tavmir::AscendingPair p : tavmir::kAscendingPairs) {
        const std::string initial = catalogue()[tavmir::shipTable(p.initialRow, 0)].key;
        const std::string maximum = catalogue()[tavmir::shipTable(p.maximumRow, 0)].key;
        ASSERT_EQ(initial.rfind("Initial", 0), 0u) << initial;
        EXPECT_NE(maximum.find("Max"), std::string::npos) << maximum;
        EXPECT_NE(maximum.find(initial.substr(7)), std::string::npos)
            << initial << " / " << maximum;
    }
}

// Both orders list every setting once; the tab order walks the pages down each column, the
// write order keeps each section together (a split one would be written under two headings).
TEST(CatalogueData, TabAndWriteOrdersListEverySettingOnceInTheirOrder) {
    std::vector<int> tabSeen(tavmir::kSettingCount + 1, 0), writeSeen(tavmir::kSettingCount + 1, 0);
    std::tuple<int, int, int> previous{0, 0, 0};
    std::set<std::string> closedSections;
    std::string current;
    for (int i = 1; i <= tavmir::kSettingCount; ++i) {
        const int t = catalogue().tabOrder(i), w = catalogue().cfgWriteOrder(i);
        ASSERT_TRUE(t >= 1 && t <= tavmir::kSettingCount && w >= 1 && w <= tavmir::kSettingCount)
            << i;
        ++tabSeen[static_cast<std::size_t>(t)];
        ++writeSeen[static_cast<std::size_t>(w)];
        const tavmir::SettingDef& d = catalogue()[t];
        EXPECT_LT(previous, std::make_tuple(d.page, d.column, d.row)) << "tab position " << i;
        previous = {d.page, d.column, d.row};
        const std::string& section = catalogue()[w].section;
        if (section != current) {
            EXPECT_TRUE(closedSections.insert(current).second || current.empty()) << current;
            EXPECT_EQ(closedSections.count(section), 0u) << section << " split at position " << i;
            current = section;
        }
    }
    for (int n = 1; n <= tavmir::kSettingCount; ++n)
        EXPECT_TRUE(tabSeen[static_cast<std::size_t>(n)] == 1 &&
                    writeSeen[static_cast<std::size_t>(n)] == 1)
            << n;
    EXPECT_EQ(catalogue()[catalogue().cfgWriteOrder(1)].section, "PrizeWeight");
}

// The corrected server template, byte for byte: one CR LF line per distinct setting (ship keys
// once, as "All:", with the Warbird's limits), the known faults of the server's own file mended
// (All:SuperTime and All:ShieldsTime 500:30000, PacketLoss:C2SNegativeKickOutPercent present,
// "+Maker:Maker"). TAVMIR_REGENERATE=1 rewrites the expected file from the build.
TEST(CatalogueData, TemplateIsTheExpectedCorrectedTemplate) {
    const std::string built = readAll(kBinDir / "template.dat");
    const fs::path expected = fs::path(TAVMIR_TEST_DATA) / "catalogue" / "template.dat.expected";
    if (std::getenv("TAVMIR_REGENERATE")) std::ofstream(expected, std::ios::binary) << built;
    EXPECT_EQ(built, readAll(expected));
}

TEST(CatalogueData, FindsEverySettingOfTheServersOwnArenaFileWithItsDefault) {
    const fs::path path = serverDefaultCfg();
    if (path.empty()) GTEST_SKIP() << "server-default-arena.cfg not present";
    std::istringstream in(readAll(path));
    std::string line, section;
    int count = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        const std::string key = line.substr(0, eq);
        const int n = find(section, key);
        ASSERT_NE(n, 0) << section << ":" << key;
        EXPECT_EQ(catalogue()[n].defaultValue, line.substr(eq + 1)) << section << ":" << key;
        ++count;
    }
    EXPECT_EQ(count, 929);
}

// Runs the tool on edited copies of the real tables; each edit must be refused with a
// message naming the row, and no output file may appear.
TEST(CatalogueTool, RefusesBrokenTablesAndLeavesNoOutput) {
    const std::string settings = readAll(kDataDir / "settings.tsv");
    const std::string order = readAll(kDataDir / "cfg-write-order.tsv");
    ASSERT_FALSE(settings.empty());
    ASSERT_FALSE(order.empty());
    const auto replaceFirst = [](std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    };
    struct Case {
        std::string settings;
        std::string order;
        std::string message;
    };
    const Case cases[] = {
        {replaceFirst(settings, "\n291\tWeasel\t", "\n291\tTerrier\t"), order,
         "settings.tsv line 292: the Terrier page is 8"},
        {replaceFirst(settings, "\n11\tMaker\tMaker\t", "\n11\tMakerSection\tMaker\t"), order,
         "settings.tsv line 12: section is 12 characters, at most 11 fit"},
        {replaceFirst(settings, "\t5\t13\t1\tTurning rate", "\t5\t13\t1\tTurn rate"), order,
         "settings.tsv line 289: differs from the first record of its group in key, place, limits "
         "or description"},
        {replaceFirst(settings, "\t1\t1\t1\tFree-text name of the game",
                      "\t1\t2\t1\tFree-text name of the game"),
         order, "settings.tsv line 3: another setting already sits on page 1 row 2 column 1"},
        {replaceFirst(settings, "\n961\t", "\n962\t"), order,
         "settings.tsv line 962: setting number 962 out of order, expected 961"},
        {settings, order.substr(0, order.rfind('\n', order.size() - 2) + 1),
         "cfg-write-order.tsv line 961: expected 961 positions, found 960"},
    };
    for (const Case& c : cases) {
        const tavmir::test::TempDir dir;
        const std::string command = kTool.string() + " " + dir.file("settings.tsv", c.settings) +
                                    " " + dir.file("cfg-write-order.tsv", c.order) + " " +
                                    dir.path("mset.dat") + " " + dir.path("template.dat") + " 2>" +
                                    dir.path("err.txt");
        EXPECT_NE(std::system(command.c_str()), 0) << c.message;
        EXPECT_EQ(readAll(dir.path("err.txt")), "mkcatalogue: " + c.message + "\n");
        EXPECT_EQ(dir.entryCount(), 3) << "no output and no temporary file";
    }
}

}  // namespace
