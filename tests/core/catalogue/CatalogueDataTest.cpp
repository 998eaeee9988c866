// Checks the generated catalogue (mset.dat) and corrected server template (template.dat)
// against facts about the server's settings, and checks that mkcatalogue refuses broken
// tables without leaving output behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"

namespace {

namespace fs = std::filesystem;
using tavmir::Catalogue;

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

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
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

TEST(CatalogueData, HasTheTwentyTextSettingsWithTheirLengthsAndEveryNumberTakesElevenCharacters) {
    const std::map<std::string, int> text{{"Misc:SheepMessage", 99},
                                          {"Misc:GreetMessage", 158},
                                          {"Misc:PeriodicMessage0", 254},
                                          {"Misc:PeriodicMessage1", 254},
                                          {"Misc:PeriodicMessage2", 254},
                                          {"Misc:PeriodicMessage3", 254},
                                          {"Misc:PeriodicMessage4", 254},
                                          {"Misc:LevelFiles", 254},
                                          {"Owner:Name", 31},
                                          {"Notes:SettingName", 255},
                                          {"Notes:Maker", 255},
                                          {"Notes:CoMaker", 255},
                                          {"Notes:MapName", 255},
                                          {"Notes:Mapper", 255},
                                          {"Notes:Note1", 255},
                                          {"Notes:Note2", 255},
                                          {"Notes:Note3", 255},
                                          {"Notes:Note4", 255},
                                          {"Notes:Note5", 255},
                                          {"Maker:Maker", 255}};
    int textCount = 0;
    for (int n = 1; n <= tavmir::kSettingCount; ++n) {
        const tavmir::SettingDef& d = catalogue()[n];
        const std::string name = d.section + ":" + d.key;
        const auto it = text.find(name);
        if (it != text.end()) {
            ++textCount;
            EXPECT_TRUE(d.isText()) << name;
            EXPECT_EQ(d.maxLength, it->second) << name;
            EXPECT_FALSE(d.hasRange()) << name;
        } else {
            EXPECT_EQ(d.valueType, 'N') << name;
            EXPECT_EQ(d.maxLength, 11) << name;
        }
        EXPECT_FALSE(d.description.empty()) << name;
        EXPECT_LE(d.description.size(), 255u) << name;
    }
    EXPECT_EQ(textCount, 20);
}

TEST(CatalogueData, CarriesTheServerDefaultsAndLimits) {
    struct Row {
        const char* section;
        const char* key;
        const char* defaultValue;
        int low;
        int high;
    };
    const Row rows[] = {
        {"Misc", "MaxTimerDrift", "15", 0, 0},
        {"Security", "SecurityKickOff", "1", 0, 1},
        {"PacketLoss", "C2SNegativeKickOutPercent", "50", 0, 0},
        {"Misc", "SheepMessage", "Sheep successfully cloned -- hello Dolly", 0, 0},
        {"Owner", "Name", "None", 0, 0},
        {"Owner", "UserId", "-1", 0, 0},
        {"Custom", "SaveStatsTime", "720000", 100000, 100000000},
        {"Radar", "MapZoomFactor", "10", 8, 1000},
        {"Periodic", "RewardPoints", "50", -500, 1000},
        {"Bomb", "BombDamageLevel", "750", 0, 0},
        {"Misc", "MaxPlayers", "", 0, 0},
        {"Warbird", "SuperTime", "6000", 500, 30000},
        {"Shark", "ShieldsTime", "4000", 500, 30000},
        {"Spider", "CloakStatus", "1", 0, 2},
    };
    for (const Row& r : rows) {
        const int n = find(r.section, r.key);
        ASSERT_NE(n, 0) << r.section << ":" << r.key;
        const tavmir::SettingDef& d = catalogue()[n];
        EXPECT_EQ(d.defaultValue, r.defaultValue) << r.section << ":" << r.key;
        EXPECT_EQ(d.lowLimit, r.low) << r.section << ":" << r.key;
        EXPECT_EQ(d.highLimit, r.high) << r.section << ":" << r.key;
    }
    EXPECT_EQ(find("Spectator", "HideFlags"), 959);
    EXPECT_EQ(find("Spectator", "NoXRadar"), 960);
    EXPECT_EQ(find("PacketLoss", "C2SNegativeKickOutPercent"), 961);
}

TEST(CatalogueData, PutsEachShipsDefaultsOnThatShip) {
    struct Row {
        const char* key;
        std::map<std::string, std::string> values;
    };
    const Row rows[] = {
        {"InitialGuns", {{"Terrier", "2"}, {"Weasel", "1"}, {"Warbird", "1"}}},
        {"DoubleBarrel", {{"Terrier", "1"}, {"Weasel", "0"}}},
        {"EmpBomb", {{"Weasel", "1"}, {"Terrier", "0"}}},
        {"ShrapnelMax", {{"Weasel", "0"}, {"Terrier", "8"}}},
        {"BulletFireDelay", {{"Terrier", "30"}, {"Weasel", "25"}}},
        {"InitialBombs", {{"Leviathan", "1"}, {"Weasel", "1"}, {"Terrier", "0"}}},
        {"InitialSpeed", {{"Javelin", "2200"}, {"Warbird", "2010"}}},
        {"InitialRecharge", {{"Spider", "500"}, {"Shark", "400"}}},
        {"MaximumEnergy", {{"Shark", "1750"}, {"Lancaster", "1700"}}},
        {"BombBounceCount", {{"Lancaster", "1"}, {"Shark", "0"}}},
    };
    for (const Row& r : rows)
        for (const auto& [ship, value] : r.values)
            EXPECT_EQ(catalogue()[find(ship, r.key)].defaultValue, value) << ship << ":" << r.key;
}

TEST(CatalogueData, PlacesEveryShipTableCellOnItsShipPage) {
    EXPECT_EQ(tavmir::shipTable(1, 4), 324);
    EXPECT_EQ(catalogue()[324].section, "Terrier");
    EXPECT_EQ(tavmir::shipTable(1, 5), 323);
    EXPECT_EQ(catalogue()[323].section, "Weasel");
    EXPECT_EQ(catalogue()[324].key, "InitialEnergy");

    for (int r = 1; r <= tavmir::kShipRows; ++r) {
        const std::string key = catalogue()[tavmir::shipTable(r, 0)].key;
        for (int c = 0; c < tavmir::kShipCount; ++c) {
            const tavmir::SettingDef& d = catalogue()[tavmir::shipTable(r, c)];
            EXPECT_EQ(d.section, tavmir::kShipNames[static_cast<std::size_t>(c)]) << r << "," << c;
            EXPECT_EQ(d.key, key) << r << "," << c;
            EXPECT_EQ(d.page, 4 + c) << r << "," << c;
            EXPECT_EQ(d.row, (r - 1) % 21 + 1) << r << "," << c;
            EXPECT_EQ(d.column, (r - 1) / 21 + 1) << r << "," << c;
        }
    }
}

TEST(CatalogueData, MakesEveryAscendingPairAnInitialAndMaximumPair) {
    const std::pair<const char*, const char*> expected[] = {{"InitialEnergy", "MaximumEnergy"},
                                                            {"InitialRecharge", "MaximumRecharge"},
                                                            {"InitialSpeed", "MaximumSpeed"},
                                                            {"InitialThrust", "MaximumThrust"},
                                                            {"InitialRotation", "MaximumRotation"},
                                                            {"InitialGuns", "MaxGuns"},
                                                            {"InitialBombs", "MaxBombs"},
                                                            {"InitialBurst", "BurstMax"},
                                                            {"InitialRepel", "RepelMax"},
                                                            {"InitialDecoy", "DecoyMax"},
                                                            {"InitialThor", "ThorMax"},
                                                            {"InitialBrick", "BrickMax"},
                                                            {"InitialRocket", "RocketMax"},
                                                            {"InitialPortal", "PortalMax"}};
    ASSERT_EQ(std::size(expected), tavmir::kAscendingPairs.size());
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const tavmir::AscendingPair p = tavmir::kAscendingPairs[i];
        EXPECT_EQ(catalogue()[tavmir::shipTable(p.initialRow, 0)].key, expected[i].first);
        EXPECT_EQ(catalogue()[tavmir::shipTable(p.maximumRow, 0)].key, expected[i].second);
    }
}

TEST(CatalogueData, KeepsGeneralSettingsOnTheirPagesInSeparateCells) {
    std::set<std::tuple<int, int, int>> cells;
    for (int n = 1; n <= tavmir::kSettingCount; ++n) {
        const tavmir::SettingDef& d = catalogue()[n];
        const bool ship = n >= 287 && n <= 958;
        int page = 1;
        if (n >= 92 && n <= 187) page = 2;
        if (n >= 188 && n <= 286) page = 3;
        if (!ship) {
            EXPECT_EQ(d.page, page) << n;
            EXPECT_GE(d.row, 1) << n;
            EXPECT_LE(d.row, 28) << n;
        }
        EXPECT_GE(d.column, 1) << n;
        EXPECT_LE(d.column, 4) << n;
        EXPECT_TRUE(cells.insert({d.page, d.row, d.column}).second) << "cell taken twice by " << n;
    }
}

TEST(CatalogueData, TabOrderWalksPagesDownEachColumn) {
    std::vector<bool> seen(tavmir::kSettingCount + 1, false);
    std::tuple<int, int, int> previous{0, 0, 0};
    for (int i = 1; i <= tavmir::kSettingCount; ++i) {
        const int n = catalogue().tabOrder(i);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, tavmir::kSettingCount);
        EXPECT_FALSE(seen[static_cast<std::size_t>(n)]) << n;
        seen[static_cast<std::size_t>(n)] = true;
        const tavmir::SettingDef& d = catalogue()[n];
        const std::tuple<int, int, int> place{d.page, d.column, d.row};
        EXPECT_LT(previous, place) << "tab position " << i;
        previous = place;
    }
}

TEST(CatalogueData, CfgWriteOrderListsEverySettingOnceWithEachSectionTogether) {
    std::vector<bool> seen(tavmir::kSettingCount + 1, false);
    std::set<std::string> closedSections;
    std::string current;
    for (int i = 1; i <= tavmir::kSettingCount; ++i) {
        const int n = catalogue().cfgWriteOrder(i);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, tavmir::kSettingCount);
        EXPECT_FALSE(seen[static_cast<std::size_t>(n)]) << n;
        seen[static_cast<std::size_t>(n)] = true;
        const std::string& section = catalogue()[n].section;
        if (section != current) {
            // A section split in two would be written under two headings.
            EXPECT_TRUE(closedSections.insert(current).second || current.empty()) << current;
            EXPECT_EQ(closedSections.count(section), 0u) << section << " split at position " << i;
            current = section;
        }
    }
    EXPECT_EQ(catalogue()[catalogue().cfgWriteOrder(1)].section, "PrizeWeight");
}

TEST(CatalogueData, TemplateHasOneCrLfLinePerDistinctSettingWithTheKnownFaultsCorrected) {
    const std::string text = readAll(kBinDir / "template.dat");
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(lines.size(), 289u + 84u);

    std::set<std::string> names;
    int allLines = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        std::string body = line[0] == '+' ? line.substr(1) : line;
        const std::size_t c1 = body.find(':');
        const std::size_t c2 = body.find(':', c1 + 1);
        const std::size_t c3 = body.find(':', c2 + 1);
        const std::size_t c4 = body.find(':', c3 + 1);
        ASSERT_NE(c4, std::string::npos) << line;
        const std::string section = body.substr(0, c1);
        const std::string key = body.substr(c1 + 1, c2 - c1 - 1);
        EXPECT_TRUE(names.insert(section + ":" + key).second) << line;
        // Every line's limits are those of the catalogue (ship keys: the Warbird's).
        const int n = section == "All" ? find("Warbird", key) : find(section, key);
        ASSERT_NE(n, 0) << line;
        const tavmir::SettingDef& d = catalogue()[n];
        const std::string limits = body.substr(c2 + 1, c4 - c2 - 1);
        EXPECT_EQ(limits, d.hasRange()
                              ? std::to_string(d.lowLimit) + ":" + std::to_string(d.highLimit)
                              : ":")
            << line;
        EXPECT_EQ(body.substr(c4 + 1), d.description) << line;
        if (section == "All") ++allLines;
        EXPECT_EQ(line[0] == '+', section == "Maker") << line;
    }
    EXPECT_EQ(allLines, 84);
    EXPECT_EQ(names.count("PacketLoss:C2SNegativeKickOutPercent"), 1u);
    const auto startsWith = [&](const std::string& prefix) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    EXPECT_EQ(startsWith("All:SuperTime:500:30000:"), 1);
    EXPECT_EQ(startsWith("All:ShieldsTime:500:30000:"), 1);
    EXPECT_EQ(startsWith("All:SuperTime:1::"), 0);
    EXPECT_EQ(startsWith("All:ShieldsTime:1::"), 0);
    EXPECT_EQ(startsWith("+Maker:Maker:"), 1);
}

TEST(CatalogueData, FindsEverySettingOfTheServersOwnArenaFileWithItsDefault) {
    const fs::path path = serverDefaultCfg();
    if (path.empty()) GTEST_SKIP() << "server-default-arena.cfg not present";
    std::istringstream in(readAll(path));
    std::string line;
    std::string section;
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
    const fs::path dir =
        fs::temp_directory_path() /
        ("tavmir-mkcatalogue-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(dir);
    for (const Case& c : cases) {
        fs::remove(dir / "mset.dat");
        fs::remove(dir / "template.dat");
        std::ofstream(dir / "settings.tsv", std::ios::binary) << c.settings;
        std::ofstream(dir / "cfg-write-order.tsv", std::ios::binary) << c.order;
        const std::string command =
            kTool.string() + " " + (dir / "settings.tsv").string() + " " +
            (dir / "cfg-write-order.tsv").string() + " " + (dir / "mset.dat").string() + " " +
            (dir / "template.dat").string() + " 2>" + (dir / "err.txt").string();
        EXPECT_NE(std::system(command.c_str()), 0) << c.message;
        EXPECT_EQ(readAll(dir / "err.txt"), "mkcatalogue: " + c.message + "\n");
        EXPECT_FALSE(fs::exists(dir / "mset.dat"));
        EXPECT_FALSE(fs::exists(dir / "template.dat"));
        EXPECT_FALSE(fs::exists(dir / "mset.dat.tmp"));
    }
    fs::remove_all(dir);
}

}  // namespace
