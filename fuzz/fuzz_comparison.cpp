// The comparison of two settings files, both read from memory: the first two bytes say where
// the input splits into the origin and the other file, the third which forms their names ask
// for. A file compared with itself is always equal, and the count of differences is the
// number of table rows; the JSON document of "tavmir --compare --format=json" parses back with
// one difference per row, each naming its setting, and the counts of the run.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ComparisonJson.h"
#include "FuzzSupport.h"
#include "batch/BatchComparison.h"
#include "settingsfile/SettingsFileReader.h"

namespace {

using tavmir::fuzz::check;

// A member the document must have.
const nlohmann::json& member(const nlohmann::json& object, const char* key) {
    check(object.is_object() && object.contains(key));
    return *object.find(key);
}

// The document of the one pair, as the console writes it, read back.
void checkJson(const tavmir::SettingsFileData& one, const tavmir::SettingsFileData& two,
               const tavmir::PairResult& pair,
               const std::vector<tavmir::SettingDifference>& differences) {
    using namespace tavmir;
    PairOutcome outcome;
    outcome.file = two.fileName;
    outcome.comparable = pair.comparable;
    outcome.readStatus = two.status;
    outcome.containsErrors = two.errorCount > 0 || two.warningCount > 0;
    outcome.differences = differences;
    BatchComparisonResult result;
    const bool equal = pair.comparable && pair.differences == 0;
    (equal ? result.match : result.dontMatch) = 1;
    result.originContainsErrors = one.errorCount > 0 || one.warningCount > 0;
    const Catalogue& cat = fuzz::catalogue();
    const nlohmann::json document =
        nlohmann::json::parse(comparisonJson(cat, one.fileName, result, {outcome}), nullptr, false);
    check(member(document, "origin") == one.fileName);
    check(member(document, "compared") == 1 && member(document, "match") == (equal ? 1 : 0));
    const nlohmann::json& pairs = member(document, "pairs");
    check(pairs.is_array() && pairs.size() == 1);
    check(member(pairs[0], "file") == two.fileName && member(pairs[0], "equal") == equal);
    check(member(pairs[0], "comparable") == pair.comparable);
    const nlohmann::json& listed = member(pairs[0], "differences");
    check(listed.is_array() && listed.size() == differences.size());
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const SettingDef& def = cat[differences[i].setting];
        check(member(listed[i], "section") == def.section && member(listed[i], "key") == def.key);
        check(member(listed[i], "origin").is_null() == !differences[i].origin);
        check(member(listed[i], "file").is_null() == !differences[i].file);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
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
    std::vector<SettingDifference> differences;
    const PairResult pair = comparison.comparePair(one, two, 1, 1, {}, &differences);
    check(differences.size() == static_cast<std::size_t>(pair.differences));
    checkJson(one, two, pair, differences);
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
