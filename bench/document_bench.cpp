// The editor document's hot paths: the full Average Ship recomputation that follows every
// open, copy, swap and import (target: at most 0.2 ms), the one-row recomputation that
// follows every keystroke in a ship field, and the history: Undo and Redo of an import of all
// 961 settings with the Average Ship page (target: at most 20 ms), the bytes a field edit's
// step keeps (target: at most 1 KB, the counter bytes_per_step), and what one editor's history
// holds after 1,000 field edits and after 1,000 imports of every setting (bounded by
// kMaxHistoryBytes; the counters history_bytes and steps_kept).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "catalogue/StartupTables.h"
#include "document/EditorDocument.h"
#include "support/DocumentTestAccess.h"

namespace {

using namespace tavmir;

std::unique_ptr<EditorDocument> filledDocument() {
    const CatalogueLoad load = Catalogue::load(TAVMIR_BIN_DIR);
    if (!load.catalogue) {
        std::fprintf(stderr, "%s\n", load.error.c_str());
        std::exit(1);
    }
    auto doc = std::make_unique<EditorDocument>(load.catalogue);
    doc->setFilePath("/zone/arena.cfg");
    for (int r = 1; r <= kShipRows; ++r)
        for (int c = 0; c < kShipCount; ++c)
            DocumentTestAccess::fields(*doc)[shipTable(r, c)] =
                std::to_string(100 * r + 37 * c + 1);
    return doc;
}

void BM_CalculateAverageShipPage(benchmark::State& state) {
    auto doc = filledDocument();
    for (auto _ : state) {
        doc->calculateAverageShipPage();
        benchmark::DoNotOptimize(doc->text(kFieldCount));
    }
}
BENCHMARK(BM_CalculateAverageShipPage)->Unit(benchmark::kMicrosecond);

void BM_EditShipField(benchmark::State& state) {
    auto doc = filledDocument();
    const int item = shipTable(kShipRows, 7);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->editField(item, std::to_string(i++ & 1023)));
    }
}
BENCHMARK(BM_EditShipField)->Unit(benchmark::kMicrosecond);

// An import of every setting as one step, then Undo and Redo of it, each recomputing the page.
void BM_UndoRedoImportOfEverySetting(benchmark::State& state) {
    auto doc = filledDocument();
    std::vector<FieldWrite> import;
    for (int i = 1; i <= kSettingCount; ++i) import.push_back({i, std::to_string(i * 7 % 1000)});
    doc->applyWrites("Import Settings", StepKind::Bulk, import);
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc->undo());
        benchmark::DoNotOptimize(doc->redo());
    }
}
BENCHMARK(BM_UndoRedoImportOfEverySetting)->Unit(benchmark::kMicrosecond);

// Typing a value into one field after another, each a step of the history.
void BM_FieldEditSteps(benchmark::State& state) {
    auto doc = filledDocument();
    int i = 0;
    for (auto _ : state) {
        const int item = shipTable(1 + i % kShipRows, i % kShipCount);
        doc->focusField(item);
        doc->editField(item, std::to_string(1000 + i++));
        doc->blurField();
    }
    const EditHistory& history = doc->history();
    state.counters["bytes_per_step"] =
        static_cast<double>(history.bytes()) / static_cast<double>(history.stepCount());
}
BENCHMARK(BM_FieldEditSteps)->Unit(benchmark::kMicrosecond);

// 1,000 changes of one kind in one editor: field edits (argument 0) or imports that change all
// 961 settings (argument 1). The history keeps what its bounds allow.
void BM_HistoryOfAThousandSteps(benchmark::State& state) {
    const bool imports = state.range(0) == 1;
    for (auto _ : state) {
        auto doc = filledDocument();
        for (int i = 0; i < 1000; ++i) {
            if (imports) {
                std::vector<FieldWrite> import;
                for (int n = 1; n <= kSettingCount; ++n)
                    import.push_back({n, std::to_string((n * 7 + i) % 100000)});
                doc->applyWrites("Import Settings", StepKind::Bulk, import);
            } else {
                const int item = shipTable(1 + i % kShipRows, i % kShipCount);
                doc->focusField(item);
                doc->editField(item, std::to_string(1000 + i));
                doc->blurField();
            }
        }
        const EditHistory& history = doc->history();
        state.counters["history_bytes"] = static_cast<double>(history.bytes());
        state.counters["steps_kept"] = static_cast<double>(history.stepCount());
    }
}
BENCHMARK(BM_HistoryOfAThousandSteps)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
