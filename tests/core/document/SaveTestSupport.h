// A catalogue and a document for the save tests.
//
// The catalogue is test::MasterFileBuilder's with a few settings given limits and a type
// (Gen:G1 10..20, Gen:G2 text of at most 5, Gen:G3 -5..5, Gen:G4 7..7) and a write order
// grouped as a real one is: the general settings, then each ship's 84 rows in page order.
// problemsCatalogue adds limits to one initial/maximum pair.
#pragma once

#include <memory>
#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"
#include "document/FieldTexts.h"
#include "support/MasterFileBuilder.h"
#include "support/TempDir.h"

namespace tavmir::test {

inline MasterFileBuilder saveCatalogueBuilder() {
    MasterFileBuilder b;
    b.records[0].low = 10;
    b.records[0].high = 20;
    b.records[1].valueType = 'A';
    b.records[1].maxLength = 5;
    b.records[2].low = -5;
    b.records[2].high = 5;
    b.records[3].low = 7;
    b.records[3].high = 7;
    b.cfgWriteOrder.clear();
    for (int n = 1; n <= kSettingCount; ++n)
        if (n <= 286 || n >= 959) b.cfgWriteOrder.push_back(n);
    for (int ship = 0; ship < kShipCount; ++ship)
        for (int row = 1; row <= kShipRows; ++row) b.cfgWriteOrder.push_back(shipTable(row, ship));
    return b;
}

inline std::shared_ptr<const Catalogue> saveCatalogue() {
    return Catalogue::parse(saveCatalogueBuilder().pack(), "mset.dat").catalogue;
}

// The save catalogue with defaults that pass (G1 15, G3 2) and limits on one pair: the
// Warbird's K4 (ship-table row 1) 500..5000 with default 1000, its maximum K9 (row 2) none.
inline std::shared_ptr<const Catalogue> problemsCatalogue() {
    MasterFileBuilder b = saveCatalogueBuilder();
    b.records[0].defaultValue = "15";
    b.records[2].defaultValue = "2";
    RawRecord& initial = b.records[static_cast<std::size_t>(shipTable(1, 0) - 1)];
    initial.low = 500;
    initial.high = 5000;
    initial.defaultValue = "1000";
    return Catalogue::parse(b.pack(), "mset.dat").catalogue;
}

// A document that passes every check: G1 "15", G2 " abc ", G3 "-5", G4 "7", the other general
// settings "1", and every ship setting the number of its ship-page row (so every initial value
// is below its maximum), the Javelin's row 1 written " 1 ".
inline FieldTexts validDocument() {
    FieldTexts t;
    for (int n = 1; n <= kSettingCount; ++n) t[n] = "1";
    t[1] = "15";
    t[2] = " abc ";
    t[3] = "-5";
    t[4] = "7";
    for (int ship = 0; ship < kShipCount; ++ship)
        for (int row = 1; row <= kShipRows; ++row) t[shipTable(row, ship)] = std::to_string(row);
    t[shipTable(1, 1)] = " 1 ";
    return t;
}

}  // namespace tavmir::test
