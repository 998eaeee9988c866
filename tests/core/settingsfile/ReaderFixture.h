// A small catalogue for reader tests (built from test::MasterFileBuilder) and files written
// from it: complete ones, to which a test adds the lines it is about.
#pragma once

#include <memory>
#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"
#include "settingsfile/SettingsFileReader.h"
#include "support/MasterFileBuilder.h"
#include "support/TempDir.h"

namespace tavmir::test {

// Gen:G1 numeric 0..100, Gen:G2 text of at most 5, Gen:G3 numeric without range, every ship
// key K0..K83 numeric without range; defaults "0".
inline std::shared_ptr<const Catalogue> readerCatalogue() {
    MasterFileBuilder b;
    b.records[0].high = 100;
    b.records[1].valueType = 'A';
    b.records[1].maxLength = 5;
    return Catalogue::parse(b.pack(), "mset.dat").catalogue;
}

// Every setting with value "1" (ship settings) or its default, in the CFG form.
inline std::string completeCfg(const Catalogue& c, const std::string& eol = "\r\n", int skip = 0) {
    std::string out, section = "\x01";
    for (int n = 1; n <= kSettingCount; ++n) {
        if (n == skip) continue;
        if (c[n].section != section) {
            section = c[n].section;
            out += "[" + section + "]" + eol;
        }
        out += c[n].key + "=" + (c[n].section == "Gen" ? std::string("1") : std::string("0")) + eol;
    }
    return out;
}

inline std::string completeSet(const Catalogue& c) {
    std::string out;
    for (int n = 1; n <= kSettingCount; ++n) out += c[n].section + ":" + c[n].key + ":1\r\n";
    return out;
}

inline ReaderEnvironment fixedClock() {
    ReaderEnvironment env;
    env.longDate = [] { return std::string("Sunday, December 6, 2026"); };
    env.longTime = [] { return std::string("22:00:00"); };
    return env;
}

}  // namespace tavmir::test
