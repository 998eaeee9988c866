// The built-in tables that describe the editor's pages: the three general page ranges, the
// ship table (84 rows of the same key for each ship, plus the Average Ship field) and the
// initial/maximum pairs whose values must not decrease. They are constants of the program.
#pragma once

#include <array>

#include "catalogue/SettingDef.h"

namespace tavmir {

struct PageRange {
    int first;
    int last;
};

inline constexpr std::array<PageRange, 3> kPageRanges{{{1, 91}, {92, 187}, {188, 286}}};

inline constexpr int kShipCount = 8;
inline constexpr int kShipRows = 84;
inline constexpr int kAverageColumn = 8;

// Ship columns in page order.
inline constexpr std::array<const char*, kShipCount> kShipNames{
    "Warbird", "Javelin", "Spider", "Leviathan", "Terrier", "Weasel", "Lancaster", "Shark"};

// Inside each eight-record group the fifth record is the Weasel's and the sixth the
// Terrier's, while the pages show Terrier before Weasel.
inline constexpr std::array<int, kShipCount> kShipColumnOffsets{0, 1, 2, 3, 5, 4, 6, 7};

// Column 0 (Warbird) of every ship-page row, row 1 first.
inline constexpr std::array<int, kShipRows> kShipTableColumn0{
    319, 359, 399, 311, 351, 391, 303, 343, 383, 295, 335, 375, 287, 327, 367, 895, 903,
    911, 919, 879, 527, 599, 663, 623, 631, 615, 647, 639, 655, 535, 607, 719, 703, 711,
    671, 679, 687, 695, 727, 775, 783, 735, 767, 751, 759, 743, 479, 551, 791, 799, 471,
    543, 511, 559, 503, 575, 487, 583, 495, 567, 831, 519, 591, 839, 847, 887, 855, 863,
    871, 807, 815, 823, 927, 935, 943, 951, 415, 447, 407, 439, 423, 455, 431, 463};

// Setting (or Average Ship field) number of ship-page row r (1..84) in column c (0..8).
constexpr int shipTable(int row, int column) {
    if (column == kAverageColumn) return kSettingCount + row;
    return kShipTableColumn0[static_cast<std::size_t>(row - 1)] +
           kShipColumnOffsets[static_cast<std::size_t>(column)];
}

struct AscendingPair {
    int initialRow;
    int maximumRow;
};

inline constexpr std::array<AscendingPair, 14> kAscendingPairs{{{1, 2},
                                                                {4, 5},
                                                                {7, 8},
                                                                {10, 11},
                                                                {13, 14},
                                                                {21, 22},
                                                                {30, 31},
                                                                {47, 48},
                                                                {51, 52},
                                                                {53, 54},
                                                                {55, 56},
                                                                {57, 58},
                                                                {59, 60},
                                                                {62, 63}}};

}  // namespace tavmir
