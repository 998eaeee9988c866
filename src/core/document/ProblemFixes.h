// The fixes the Problems window offers for the problems that stop a save (SaveChecks.h), and
// the texts it and the editor show about them.
//
// Each problem gets one proposed text for its setting: the nearer limit for a value outside
// the limits, the high limit (or 2147483647) for an overflow, the leading number or else the
// default for a text that is no number (proposedValue in settingsfile), and for an initial
// value greater than its maximum the maximum. A proposal that would itself stop the save in
// another way (a pair's initial value lowered below its own low limit, a maximum lowered below
// its initial value) says which problem it would make.
//
// Fixing is planned here and applied by the editor's document as one step ("Fix Problems"):
// first the chosen value problems, then the chosen pairs as they stand after those fixes, so
// a maximum brought down to its limit has its initial value follow it in the same step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"
#include "document/SaveChecks.h"

namespace tavmir {

// The name of the step that applies fixes, as Undo and Redo show it.
inline constexpr std::string_view kFixProblemsStep = "Fix Problems";

struct ProposedFix {
    std::string text;  // the text proposed for the problem's setting
    // The reason of the problem that applying this fix alone would make ("Min value is 500",
    // "Warbird InitialEnergy is greater than MaximumEnergy"); nothing when it makes none.
    std::optional<std::string> makes;
};

struct ListedProblem {
    SaveProblem problem;
    ProposedFix fix;
};

// The fix proposed for one problem of listSaveProblems(catalogue, texts).
ProposedFix proposeFix(const Catalogue& catalogue, const FieldTexts& texts,
                       const SaveProblem& problem);

// listSaveProblems with each problem's proposed fix.
std::vector<ListedProblem> listProblems(const Catalogue& catalogue, const FieldTexts& texts);

// The writes that fix the chosen problems (each as listSaveProblems(texts) gives it): the
// value problems first, then the chosen pairs that still stand after them, each with its
// proposal even where that makes another problem. Only fields whose text changes are written.
std::vector<FieldWrite> fixChosen(const Catalogue& catalogue, const FieldTexts& texts,
                                  const std::vector<SaveProblem>& chosen);

// The writes of Fix All: every value problem, then every pair that stands after those fixes,
// except a pair whose fix would make a value problem (its initial value would leave its own
// limits): that one is left for the user, and it is all that remains listed.
std::vector<FieldWrite> fixAll(const Catalogue& catalogue, const FieldTexts& texts);

// The line the editor shows while problems stop the save: "3 problems stop the save (F9 shows
// them)", "1 problem stops the save (F9 shows it)"; nothing when there are none.
std::optional<std::string> problemsStatusText(std::size_t count);

// The Problems window's summary: "3 problems stop the save", "1 problem stops the save",
// "No problem stops the save".
std::string problemsSummary(std::size_t count);

// The fix as the Problems window lists it: the text, and what it would make
// ("1000 (then: Min value is 2500)").
std::string fixCellText(const ProposedFix& fix);

}  // namespace tavmir
