#include "TestCatalogue.h"

#include <filesystem>
#include <string>

#include "catalogue/StartupTables.h"
#include "support/MasterFileBuilder.h"

namespace tavmir::testing {

std::shared_ptr<const Catalogue> madeUpCatalogue() {
    static const std::shared_ptr<const Catalogue> cat = [] {
        test::MasterFileBuilder b;
        for (int n = 1; n <= kSettingCount; ++n) {
            test::RawRecord& r = b.records[static_cast<std::size_t>(n - 1)];
            if (n >= 287 && n <= 958) {
                const int group = (n - 287) / 8;
                if (group == 0) r.key = "InitialRotation";
                if (group == 4) r.key = "InitialEnergy";
                r.description = "Ship value of " + r.key;
                if (n < 295) r.high = 3000;
            } else {
                r.section = "Misc";
                r.description = "General setting " + std::to_string(n);
            }
            b.tabOrder[static_cast<std::size_t>(n - 1)] = kSettingCount + 1 - n;
        }
        b.records[0].description = "The first setting, last in tab order";
        b.records[9].section = "Bullet";
        b.records[9].key = "BulletDamageLevel";
        b.records[9].description = "Damage of a level one bullet";
        b.records[9].high = 4;
        // One ship's entry differs from the Warbird's, as the edit-for-all-ships dialog must
        // show the Warbird's limits and description for the whole row.
        test::RawRecord& javelin = b.records[static_cast<std::size_t>(shipTable(13, 1) - 1)];
        javelin.description = "The Javelin's own rotation";
        javelin.high = 2000;
        b.records[958].key = "SheepMessage";
        b.records[958].description = "  Text shown for a sheep  ";
        b.records[958].valueType = 'A';
        return Catalogue::parse(b.pack(), "made-up").catalogue;
    }();
    return cat;
}

std::shared_ptr<const Catalogue> generatedCatalogue() {
    static const std::shared_ptr<const Catalogue> cat = [] {
        const std::filesystem::path folder = TAVMIR_BIN_DIR;
        if (!std::filesystem::exists(folder / kMasterFileName))
            return std::shared_ptr<const Catalogue>();
        return Catalogue::load(folder).catalogue;
    }();
    return cat;
}

}  // namespace tavmir::testing
