#include "ComparisonJson.h"

#include <nlohmann/json.hpp>

namespace tavmir {

namespace {

using Json = nlohmann::ordered_json;

Json valueOrNull(const std::optional<std::string>& value) { return value ? Json(*value) : Json(); }

// The report's "<error>" and "<warning>" cells, as data beside the raw value.
Json markOf(ValueMark mark) {
    switch (mark) {
        case ValueMark::Error:
            return "error";
        case ValueMark::Warning:
            return "warning";
        case ValueMark::None:
            break;
    }
    return Json();
}

}  // namespace

std::string comparisonJson(const Catalogue& catalogue, const std::string& origin,
                           const BatchComparisonResult& result,
                           const std::vector<PairOutcome>& pairs) {
    Json list = Json::array();
    for (const PairOutcome& pair : pairs) {
        Json differences = Json::array();
        for (const SettingDifference& d : pair.differences) {
            const SettingDef& def = catalogue[d.setting];
            differences.push_back({{"section", def.section},
                                   {"key", def.key},
                                   {"origin", valueOrNull(d.origin)},
                                   {"file", valueOrNull(d.file)},
                                   {"originMark", markOf(d.originMark)},
                                   {"fileMark", markOf(d.fileMark)}});
        }
        Json entry;
        entry["file"] = pair.file;
        entry["comparable"] = pair.comparable;
        entry["equal"] = pair.comparable && pair.differences.empty();
        entry["reason"] = pair.comparable ? Json() : Json(std::string(kCantCompareLine));
        entry["readFailure"] =
            pair.readStatus == ReadStatus::ReadFailed && !pair.failureReason.empty()
                ? Json(pair.failureReason)
                : Json();
        entry["containsErrors"] = pair.comparable && pair.containsErrors;
        entry["differences"] = std::move(differences);
        list.push_back(std::move(entry));
    }
    Json document;
    document["origin"] = origin;
    document["originContainsErrors"] = result.originContainsErrors;
    document["pairs"] = std::move(list);
    document["compared"] = result.match + result.dontMatch;
    document["match"] = result.match;
    document["dontMatch"] = result.dontMatch;
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace tavmir
