// Builds mset.dat bytes for tests: 961 records that by default form a consistent catalogue
// (general settings G1..G289 in section "Gen", ship groups in the ship sections), each field
// of which a test may change before packing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/SettingDef.h"

namespace tavmir::test {

struct RawRecord {
    std::string section, key, defaultValue;
    std::int32_t low = 0, high = 0;
    std::string description;
    std::int32_t descriptionLength = INT32_MIN;  // INT32_MIN: the description's length
    char valueType = 'N';
    std::int32_t maxLength = 11, page = 1, row = 1, column = 1;
};

struct MasterFileBuilder {
    MasterFileBuilder();
    std::vector<RawRecord> records;  // index 0 = setting 1
    std::vector<std::int32_t> tabOrder, cfgWriteOrder;

    std::string pack() const;
};

}  // namespace tavmir::test
