// One known setting of the game server: where it is written, its default, limits, type and
// the place where the editor shows it.
#pragma once

#include <cstdint>
#include <string>

namespace tavmir {

// Setting numbers are 1-based positions in the catalogue.
inline constexpr int kSettingCount = 961;
// Numbers 962..1045 name the 84 rows of the computed Average Ship page.
inline constexpr int kFirstAverageField = 962;
inline constexpr int kFieldCount = 1045;

struct SettingDef {
    std::string section;  // as written in a settings file (ship settings: the ship's name)
    std::string key;
    std::string defaultValue;
    std::int32_t lowLimit = 0;
    std::int32_t highLimit = 0;  // low and high both 0: no range check
    std::string description;
    char valueType = 'N';  // only 'A' marks a text setting
    std::int32_t maxLength = 0;
    std::int32_t page = 0;    // 1..3 general pages, 4..11 ship pages Warbird..Shark
    std::int32_t row = 0;     // 1-based row on its page
    std::int32_t column = 0;  // 1..4

    bool isText() const { return valueType == 'A'; }
    bool hasRange() const { return lowLimit != 0 || highLimit != 0; }
};

}  // namespace tavmir
