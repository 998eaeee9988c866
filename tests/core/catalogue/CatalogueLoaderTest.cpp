#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"
#include "support/MasterFileBuilder.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

const std::string kPath = "/opt/tavmir/mset.dat";
const std::string kReinstall = "\r\n\r\nYou must reinstall the application";

TEST(CatalogueLoader, LoadsFieldsAsStoredWithTrimmingAndDescriptionLength) {
    test::MasterFileBuilder b;
    b.records[0].section = "PrizeWeight";  // 11 characters, no padding
    b.records[0].key = "  Bounce ";
    b.records[0].defaultValue = "";
    b.records[0].low = -5;
    b.records[0].high = 2147483647;
    b.records[0].description = " padded text ";
    b.records[1].section = "";
    b.records[1].descriptionLength = 0;
    b.records[2].description = std::string(255, 'x');
    b.records[2].descriptionLength = 900;
    b.records[3].valueType = 'a';
    b.records[4].valueType = 'A';
    b.records[4].maxLength = 99;

    const CatalogueLoad load = Catalogue::parse(b.pack(), kPath);
    ASSERT_TRUE(load.catalogue) << load.error;
    const Catalogue& c = *load.catalogue;
    // The description is cut by its length, never trimmed.
    EXPECT_EQ(std::tie(c[1].section, c[1].key, c[1].defaultValue, c[1].lowLimit, c[1].highLimit,
                       c[1].description),
              std::make_tuple("PrizeWeight", "Bounce", "", -5, 2147483647, " padded text "));
    EXPECT_EQ(c[2].section + c[2].description, "");
    EXPECT_EQ(c[3].description, std::string(255, 'x'));
    EXPECT_FALSE(c[4].isText());  // only a capital A marks text
    EXPECT_TRUE(c[5].isText());
    EXPECT_EQ(c[5].maxLength, 99);
    EXPECT_EQ(c.tabOrder(1), 1);
    EXPECT_EQ(c.cfgWriteOrder(961), 961);
}

TEST(CatalogueLoader, RefusesWrongLengthAndDamagedContentsAsCorrupt) {
    const std::string corrupt = "Master file is corrupt: " + kPath + kReinstall;
    std::string good = test::MasterFileBuilder().pack();
    ASSERT_EQ(good.size(), 362297u);
    EXPECT_EQ(Catalogue::parse(good.substr(0, 362296), kPath).error, corrupt);
    EXPECT_EQ(Catalogue::parse(good + "x", kPath).error, corrupt);

    struct Damage {
        const char* what;
        void (*apply)(test::MasterFileBuilder&);
    };
    using B = test::MasterFileBuilder;
    const Damage damages[] = {
        {"page 0", [](B& b) { b.records[10].page = 0; }},
        {"page 12", [](B& b) { b.records[10].page = 12; }},
        {"column 5", [](B& b) { b.records[10].column = 5; }},
        {"column 0", [](B& b) { b.records[10].column = 0; }},
        {"row 85", [](B& b) { b.records[10].row = 85; }},
        {"max length 65536", [](B& b) { b.records[10].maxLength = 65536; }},
        {"row 0", [](B& b) { b.records[10].row = 0; }},
        {"negative max length", [](B& b) { b.records[10].maxLength = -1; }},
        {"negative description length", [](B& b) { b.records[10].descriptionLength = -3; }},
        {"tab order repeats", [](B& b) { b.tabOrder[5] = b.tabOrder[6]; }},
        {"write order out of range", [](B& b) { b.cfgWriteOrder[0] = 962; }},
        {"write order zero", [](B& b) { b.cfgWriteOrder[960] = 0; }},
    };
    for (const Damage& d : damages) {
        test::MasterFileBuilder b;
        d.apply(b);
        const CatalogueLoad load = Catalogue::parse(b.pack(), kPath);
        EXPECT_FALSE(load.catalogue) << d.what;
        EXPECT_EQ(load.error, corrupt) << d.what;
    }
    // The last place on each side of the grid is still inside it.
    const Damage edges[] = {
        {"page 11", [](B& b) { b.records[10].page = 11; }},
        {"row 84", [](B& b) { b.records[10].row = 84; }},
        {"column 4", [](B& b) { b.records[10].column = 4; }},
        {"max length 65535", [](B& b) { b.records[10].maxLength = 65535; }},
    };
    for (const Damage& d : edges) {
        test::MasterFileBuilder b;
        d.apply(b);
        EXPECT_TRUE(Catalogue::parse(b.pack(), kPath).catalogue) << d.what;
    }
}

TEST(CatalogueLoader, ReportsOpenFailureAndReadsFromTheFolder) {
    const test::TempDir dir;
    // The folder and the name joined as the loader joins them ("\\" on Windows).
    const std::string path = (dir.path() / "mset.dat").string();
    EXPECT_EQ(Catalogue::load(dir.path()).error,
              "Error opening master file: " + path + "\r\nNo such file or directory" + kReinstall);

    dir.file("mset.dat", "short");
    EXPECT_EQ(Catalogue::load(dir.path()).error, "Master file is corrupt: " + path + kReinstall);

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // a folder where the file should be
    const CatalogueLoad folderLoad = Catalogue::load(dir.path());
    EXPECT_FALSE(folderLoad.catalogue);
    EXPECT_NE(folderLoad.error.find(path), std::string::npos);

    std::filesystem::remove(path);
    dir.file("mset.dat", test::MasterFileBuilder().pack());
    EXPECT_TRUE(Catalogue::load(dir.path()).catalogue);
}

TEST(CatalogueLookups, IndexAnswersExactlyAsTheScan) {
    test::MasterFileBuilder b;
    // Duplicates: the first setting number must win, as in a scan.
    b.records[400].section = "Gen";
    b.records[400].key = "G7";
    const CatalogueLoad load = Catalogue::parse(b.pack(), kPath);
    ASSERT_TRUE(load.catalogue);
    const Catalogue& c = *load.catalogue;
    const std::pair<std::string, std::string> probes[] = {
        {"Gen", "G7"},    {"Warbird", "K0"}, {"Terrier", "K3"},
        {"Gen", "g7"},    {"", ""},          {"Gen ", "G7"},
        {"Shark", "K83"}, {"Shark", "K84"},  {std::string("Gen\0G", 5), "7"}};
    for (const auto& [section, key] : probes) {
        EXPECT_EQ(c.findSetting(section, key), c.findSettingByScan(section, key))
            << section << ":" << key;
        EXPECT_EQ(c.sectionExists(section), c.sectionExistsByScan(section)) << section;
        EXPECT_EQ(c.keyExists(key), c.keyExistsByScan(key)) << key;
    }
    EXPECT_EQ(c.findSetting("Gen", "G7"), 7);
    EXPECT_EQ(c.findSetting("warbird", "K0"), 0);  // names are compared with case
    EXPECT_EQ(c.findSetting("Warbird", "K0"), 287);
}

TEST(StartupTables, ShipTableFollowsTheColumnOffsets) {
    // Terrier is the sixth record of a group, Weasel the fifth; column 8 is the Average Ship.
    EXPECT_EQ((std::vector<int>{shipTable(1, 0), shipTable(1, 4), shipTable(1, 5), shipTable(1, 8),
                                shipTable(84, 8)}),
              (std::vector<int>{319, 324, 323, 962, 1045}));
    // Every ship setting appears exactly once.
    std::vector<int> seen(kSettingCount + 1, 0);
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c) ++seen[static_cast<std::size_t>(shipTable(r, c))];
    for (int n = 287; n <= 958; ++n) EXPECT_EQ(seen[static_cast<std::size_t>(n)], 1) << n;
}

}  // namespace
}  // namespace tavmir
