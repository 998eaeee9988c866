#include "document/ProblemFixes.h"

#include <algorithm>
#include <array>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "settingsfile/ValueCheck.h"

namespace tavmir {
namespace {

// The pair a setting belongs to: no row of the ship table is in two pairs, so a setting has
// at most one partner.
struct PairLink {
    int initial = 0;  // 0: the setting is in no pair
    int maximum = 0;
};

const std::array<PairLink, kSettingCount + 1>& pairLinks() {
    static const std::array<PairLink, kSettingCount + 1> links = [] {
        std::array<PairLink, kSettingCount + 1> table{};
        for (int ship = 0; ship < kShipCount; ++ship)
            for (const AscendingPair& pair : kAscendingPairs) {
                const PairLink link{shipTable(pair.initialRow, ship),
                                    shipTable(pair.maximumRow, ship)};
                table[static_cast<std::size_t>(link.initial)] = link;
                table[static_cast<std::size_t>(link.maximum)] = link;
            }
        return table;
    }();
    return links;
}

ValueCheck valueCheckOf(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::NotNumeric:
            return ValueCheck::NotNumeric;
        case ProblemKind::Overflow:
            return ValueCheck::Overflow;
        case ProblemKind::BelowLow:
            return ValueCheck::BelowLow;
        case ProblemKind::AboveHigh:
        case ProblemKind::PairOrder:
            break;
    }
    return ValueCheck::AboveHigh;
}

bool greater(std::string_view a, std::string_view b) { return leadingNumber(a) > leadingNumber(b); }

// The problem that writing `text` into setting n would make, beyond those listed already.
std::optional<std::string> madeProblem(const Catalogue& catalogue, const FieldTexts& texts, int n,
                                       const std::string& text) {
    if (const std::optional<ProblemKind> own = valueProblemOf(catalogue, n, text))
        return valueProblemReason(catalogue[n], *own);
    const PairLink link = pairLinks()[static_cast<std::size_t>(n)];
    if (link.initial == 0) return std::nullopt;
    const std::string_view initial =
        n == link.initial ? std::string_view(text) : texts[link.initial];
    const std::string_view maximum =
        n == link.maximum ? std::string_view(text) : texts[link.maximum];
    if (greater(initial, maximum) && !greater(texts[link.initial], texts[link.maximum]))
        return pairProblemReason(catalogue[link.initial], catalogue[link.maximum]);
    return std::nullopt;
}

// Writes for every field whose text in `fixed` differs from `texts`.
std::vector<FieldWrite> changedFields(const FieldTexts& texts, const FieldTexts& fixed) {
    std::vector<FieldWrite> writes;
    for (int n = 1; n <= kSettingCount; ++n)
        if (fixed[n] != texts[n]) writes.push_back({n, fixed[n]});
    return writes;
}

template <typename Chosen>
std::vector<FieldWrite> fixInTwoSteps(const Catalogue& catalogue, const FieldTexts& texts,
                                      const Chosen& chosen) {
    FieldTexts fixed = texts;
    for (const SaveProblem& p : listSaveProblems(catalogue, texts))
        if (p.kind != ProblemKind::PairOrder && chosen(p, ProposedFix{}))
            fixed[p.setting] = proposeFix(catalogue, texts, p).text;
    // The pairs as the value fixes left them: a pair is fixed on its new values.
    const FieldTexts afterValues = fixed;
    for (const SaveProblem& p : listSaveProblems(catalogue, afterValues)) {
        if (p.kind != ProblemKind::PairOrder) continue;
        ProposedFix fix = proposeFix(catalogue, afterValues, p);
        if (chosen(p, fix)) fixed[p.setting] = std::move(fix.text);
    }
    return changedFields(texts, fixed);
}

std::string countText(std::size_t count) {
    return decimal(static_cast<std::int64_t>(count)) +
           (count == 1 ? " problem stops the save" : " problems stop the save");
}

}  // namespace

ProposedFix proposeFix(const Catalogue& catalogue, const FieldTexts& texts,
                       const SaveProblem& problem) {
    ProposedFix fix;
    if (problem.kind == ProblemKind::PairOrder)
        fix.text = shortestDecimal(leadingNumber(texts[problem.maximum]));
    else
        fix.text = proposedValue(catalogue, problem.setting, texts[problem.setting],
                                 valueCheckOf(problem.kind))
                       .value_or(texts[problem.setting]);
    fix.makes = madeProblem(catalogue, texts, problem.setting, fix.text);
    return fix;
}

std::vector<ListedProblem> listProblems(const Catalogue& catalogue, const FieldTexts& texts) {
    std::vector<ListedProblem> listed;
    for (SaveProblem& p : listSaveProblems(catalogue, texts)) {
        ProposedFix fix = proposeFix(catalogue, texts, p);
        listed.push_back({std::move(p), std::move(fix)});
    }
    return listed;
}

std::vector<FieldWrite> fixChosen(const Catalogue& catalogue, const FieldTexts& texts,
                                  const std::vector<SaveProblem>& chosen) {
    return fixInTwoSteps(catalogue, texts, [&chosen](const SaveProblem& p, const ProposedFix&) {
        return std::any_of(chosen.begin(), chosen.end(), [&p](const SaveProblem& c) {
            return c.kind == p.kind && c.setting == p.setting;
        });
    });
}

std::vector<FieldWrite> fixAll(const Catalogue& catalogue, const FieldTexts& texts) {
    return fixInTwoSteps(catalogue, texts, [](const SaveProblem& p, const ProposedFix& fix) {
        return p.kind != ProblemKind::PairOrder || !fix.makes;
    });
}

std::optional<std::string> problemsStatusText(std::size_t count) {
    if (count == 0) return std::nullopt;
    return countText(count) + (count == 1 ? " (F9 shows it)" : " (F9 shows them)");
}

std::string problemsSummary(std::size_t count) {
    return count == 0 ? std::string("No problem stops the save") : countText(count);
}

std::string fixCellText(const ProposedFix& fix) {
    return fix.makes ? fix.text + " (then: " + *fix.makes + ")" : fix.text;
}

}  // namespace tavmir
