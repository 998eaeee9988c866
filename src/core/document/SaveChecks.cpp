#include "document/SaveChecks.h"

#include <string_view>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "document/Layout.h"
#include "settingsfile/ValueCheck.h"

namespace tavmir {
namespace {

ProblemKind problemKind(ValueCheck check) {
    switch (check) {
        case ValueCheck::NotNumeric:
            return ProblemKind::NotNumeric;
        case ValueCheck::Overflow:
            return ProblemKind::Overflow;
        case ValueCheck::BelowLow:
            return ProblemKind::BelowLow;
        case ValueCheck::AboveHigh:
        case ValueCheck::Accepted:
        case ValueCheck::TooLong:
            break;
    }
    return ProblemKind::AboveHigh;
}

// The page SetPageForItem shows for a field; 0 leaves the page shown as it is.
int pageToShow(const Catalogue& catalogue, int n) { return pageForItem(catalogue, n).value_or(0); }

}  // namespace

std::string valueProblemReason(const SettingDef& def, ProblemKind kind) {
    switch (kind) {
        case ProblemKind::NotNumeric:
            return "Value is not numeric";
        case ProblemKind::Overflow:
            return "Value is too high (overflow)";
        case ProblemKind::BelowLow:
            return "Min value is " + decimal(def.lowLimit);
        case ProblemKind::AboveHigh:
        case ProblemKind::PairOrder:
            break;
    }
    return "Max value is " + decimal(def.highLimit);
}

std::string pairProblemReason(const SettingDef& initial, const SettingDef& maximum) {
    return initial.section + " " + initial.key + " is greater than " + maximum.key;
}

std::optional<ProblemKind> valueProblemOf(const Catalogue& catalogue, int n,
                                          std::string_view text) {
    const ValueCheck check = checkSettingValue(catalogue, n, trimSpaces(text));
    // A text longer than its setting allows cannot come from the field, which cuts it to its
    // maximum length, so only the numeric checks stop the save.
    if (check == ValueCheck::Accepted || check == ValueCheck::TooLong) return std::nullopt;
    return problemKind(check);
}

std::vector<SaveProblem> listSaveProblems(const Catalogue& catalogue, const FieldTexts& texts) {
    std::vector<SaveProblem> problems;
    for (int n = 1; n <= kSettingCount; ++n) {
        const std::optional<ProblemKind> kind = valueProblemOf(catalogue, n, texts[n]);
        if (!kind) continue;
        const SettingDef& def = catalogue[n];
        SaveProblem p;
        p.kind = *kind;
        p.setting = n;
        p.page = pageToShow(catalogue, n);
        p.reason = valueProblemReason(def, p.kind);
        p.message = paragraphs({"Wrong value for " + def.section + ":" + def.key, p.reason});
        problems.push_back(std::move(p));
    }

    for (int ship = 0; ship < kShipCount; ++ship) {
        for (const AscendingPair& pair : kAscendingPairs) {
            const int a = shipTable(pair.initialRow, ship);
            const int b = shipTable(pair.maximumRow, ship);
            if (!(leadingNumber(texts[a]) > leadingNumber(texts[b]))) continue;
            SaveProblem p;
            p.kind = ProblemKind::PairOrder;
            p.setting = a;
            p.maximum = b;
            p.page = pageToShow(catalogue, a);
            p.reason = pairProblemReason(catalogue[a], catalogue[b]);
            p.message = p.reason;
            problems.push_back(std::move(p));
        }
    }
    return problems;
}

std::optional<SaveProblem> checkBeforeSave(const Catalogue& catalogue, const FieldTexts& texts) {
    // The whole list costs little more than its first entry (a few microseconds for a file's
    // handful of problems), and taking its first entry keeps the save and the list one rule.
    std::vector<SaveProblem> first = listSaveProblems(catalogue, texts);
    if (first.empty()) return std::nullopt;
    return std::move(first.front());
}

}  // namespace tavmir
