// The comparison of two settings files, both read from memory: the first two bytes say where
// the input splits into the origin and the other file, the third which forms their names ask
// for. A file compared with itself is always equal, and the count of differences is the
// number of table rows.
#include <string>

#include "FuzzSupport.h"
#include "batch/BatchComparison.h"
#include "settingsfile/SettingsFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    fuzz::Input in(data, size);
    const std::size_t split = in.littleEndian(2);
    const unsigned forms = in.byte();
    const std::string_view rest = in.rest();
    const std::size_t at = rest.empty() ? 0 : split % (rest.size() + 1);

    static SettingsFileData one, two;
    StyledLog log;
    one.fileName = forms & 1 ? "origin.set" : "origin.cfg";
    two.fileName = forms & 2 ? "other.set" : "other.cfg";
    one.log = two.log = &log;
    validateSettingsBytes(fuzz::catalogue(), one, {}, rest.substr(0, at));
    validateSettingsBytes(fuzz::catalogue(), two, {}, rest.substr(at));

    BatchComparison comparison(fuzz::catalogue());
    const PairResult pair = comparison.comparePair(one, two, 1, 1, {});
    check(pair.comparable == !two.fileType.empty());
    if (pair.comparable) {
        // The table: its rows lie between the line of hyphens and the closing rule.
        const std::string hyphens = "-----------  -----------\r\n";
        const std::size_t top = pair.block.find(hyphens);
        int rows = 0;
        if (top != std::string::npos) {
            const std::size_t bottom = pair.block.find("\r\n=====", top);
            for (std::size_t p = top + hyphens.size(); p < bottom;
                 p = pair.block.find("\r\n", p) + 2)
                ++rows;
        }
        check(rows == pair.differences && pair.differences <= kSettingCount);
        check((pair.differences == 0) ==
              (pair.block.find("Files are equal\r\n") != std::string::npos));
        const PairResult self = comparison.comparePair(two, two, 1, 1, {});
        check(self.differences == 0);
    }
    return 0;
}
