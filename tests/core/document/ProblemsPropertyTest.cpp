// The problem list against the save itself, on documents shaped like real zone files: the
// catalogue's defaults where a file lacks settings, and the faults such files have (values
// outside the limits, overflows, text after a number, empty values, initial values above
// their maximum, texts too long). Fixed seeds: a failure names its document.
#include <gtest/gtest.h>

#include <random>

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "document/EditorDocument.h"
#include "document/ProblemFixes.h"
#include "document/SaveFile.h"
#include "support/DocumentTestAccess.h"

namespace tavmir {
namespace {

FieldTexts realFileShaped(const Catalogue& cat, std::mt19937& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const char* const kJunk[] = {
        "12a",        "<unset>",     "0-255", "",      "  ", " 7 ",         "1.5",
        "&H10",       "x",           "-",     "1e400", "-3", "00000000015", "100000000000",
        "5000000000", "-99999999999"};
    FieldTexts texts;
    for (int n = 1; n <= kSettingCount; ++n) texts[n] = cat[n].defaultValue;
    for (int k = pick(14); k > 0; --k) {
        const int n = 1 + pick(kSettingCount);
        const SettingDef& def = cat[n];
        switch (pick(4)) {
            case 0:  // outside a limit, or any number where there are none
                texts[n] = std::to_string(pick(2) != 0 ? def.highLimit + 1 + pick(5000)
                                                       : def.lowLimit - 1 - pick(50));
                break;
            case 1:
                texts[n] = kJunk[pick(static_cast<int>(std::size(kJunk)))];
                break;
            case 2: {  // an initial value above its maximum
                const AscendingPair pair = kAscendingPairs[static_cast<std::size_t>(pick(14))];
                const int ship = pick(kShipCount);
                texts[shipTable(pair.initialRow, ship)] = shortestDecimal(
                    leadingNumber(texts[shipTable(pair.maximumRow, ship)]) + 1 + pick(3));
                break;
            }
            default:
                texts[n] = std::string(static_cast<std::size_t>(pick(300)), 'w');
        }
    }
    return texts;
}

TEST(ProblemList, IsWhatTheSaveRefusesAndFixAllLeavesNone) {
    const std::shared_ptr<const Catalogue> catalogue = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    ASSERT_NE(catalogue, nullptr);
    const Catalogue& cat = *catalogue;
    std::mt19937 random(28);
    int refused = 0;
    for (int doc = 0; doc < 600; ++doc) {
        SCOPED_TRACE("document " + std::to_string(doc));
        const FieldTexts texts = realFileShaped(cat, random);
        const std::vector<SaveProblem> listed = listSaveProblems(cat, texts);

        // The save itself, stopped before it writes when every check passes.
        const SaveOutcome out = writeSettingsFile(cat, texts, "CFG", "/nowhere/arena.cfg",
                                                  [](const std::string&) { return false; });
        ASSERT_EQ(out.result, listed.empty() ? SaveResult::Cancelled : SaveResult::WrongValue);
        if (!listed.empty()) {
            ++refused;
            ASSERT_EQ(out.errorMessage, listed.front().message);
            ASSERT_EQ(std::tie(out.page, out.focusSetting),
                      std::tie(listed.front().page, listed.front().setting));
        }

        // Fix All, as one step of an editor's history, undone and redone.
        EditorDocument document(catalogue);
        test::setTexts(document, [&texts] {
            std::vector<std::pair<int, std::string>> all;
            for (int n = 1; n <= kSettingCount; ++n) all.emplace_back(n, texts[n]);
            return all;
        }());
        const FieldTexts before = document.fields();
        const std::vector<FieldWrite> fixes = fixAll(cat, texts);
        ASSERT_EQ(fixes.empty(), listed.empty());
        if (fixes.empty()) continue;
        document.applyWrites(std::string(kFixProblemsStep), StepKind::Bulk, fixes);
        const std::vector<ListedProblem> left = listProblems(cat, document.fields());
        // The catalogue's pairs share their limits, so no fix of a pair leaves its limits.
        ASSERT_TRUE(left.empty()) << left.front().problem.message;
        ASSERT_TRUE(document.modified());
        ASSERT_EQ(document.undoName(), kFixProblemsStep);
        // Undo brings back every value and every average; Redo the fixed ones.
        const FieldTexts fixed = document.fields();
        document.undo();
        for (int n = 1; n <= kFieldCount; ++n) ASSERT_EQ(document.text(n), before[n]) << n;
        document.redo();
        for (int n = 1; n <= kFieldCount; ++n) ASSERT_EQ(document.text(n), fixed[n]) << n;
    }
    EXPECT_GT(refused, 400);  // the documents do stop the save, mostly
}

}  // namespace
}  // namespace tavmir
