// The checks an editor's values must pass before anything is written: every setting's value
// against its type and limits, in setting-number order, then for each ship the fourteen
// initial/maximum pairs, which must not decrease.
//
// listSaveProblems is the one rule: it lists every problem in the order the save meets them,
// and the save stops at the first entry of that list (checkBeforeSave), with the field to
// focus, the page on which that field lies and the text of the message box. The Problems
// window shows the whole list, so what it shows and what the save refuses cannot disagree.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"

namespace tavmir {

// What stops the save at one setting.
enum class ProblemKind {
    NotNumeric,  // a numeric setting's text that is no number
    Overflow,    // a number beyond the whole numbers a setting can hold
    BelowLow,    // below the setting's low limit
    AboveHigh,   // above the setting's high limit
    PairOrder,   // an initial value greater than its maximum
};

struct SaveProblem {
    ProblemKind kind = ProblemKind::NotNumeric;
    int setting = 0;  // the field to give the focus, 1..961: the value's, or the pair's initial
    int maximum = 0;  // PairOrder: the setting of the pair's maximum; 0 otherwise
    int page = 0;     // the page to show (1..12), 0 to leave the page shown as it is
    // The text of the critical message box titled "Tavmir": "Wrong value for Section:Key",
    // an empty line and the reason; or, for a pair, the reason alone.
    std::string message;
    // Its last line: "Max value is 20", "Warbird InitialEnergy is greater than MaximumEnergy".
    std::string reason;
};

// The problem a setting's text makes by itself, or nothing when it passes.
std::optional<ProblemKind> valueProblemOf(const Catalogue& catalogue, int n, std::string_view text);
// The last line of the save's message for a value problem ("Min value is 10") and for a pair
// ("Warbird InitialEnergy is greater than MaximumEnergy").
std::string valueProblemReason(const SettingDef& def, ProblemKind kind);
std::string pairProblemReason(const SettingDef& initial, const SettingDef& maximum);

// Every value and pair problem of the texts of fields 1..961, in the save's order: the
// values in setting-number order, then for ship 0..7 the pairs in their listed order.
std::vector<SaveProblem> listSaveProblems(const Catalogue& catalogue, const FieldTexts& texts);

// The first entry of listSaveProblems: the problem the save stops at, or nothing when the
// document can be written.
std::optional<SaveProblem> checkBeforeSave(const Catalogue& catalogue, const FieldTexts& texts);

}  // namespace tavmir
