// The editor document's hot paths: the full Average Ship recomputation that follows every
// open, copy, swap and import (target: at most 0.2 ms), and the one-row recomputation that
// follows every keystroke in a ship field.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "catalogue/StartupTables.h"
#include "document/EditorDocument.h"

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
            doc->fields()[shipTable(r, c)] = std::to_string(100 * r + 37 * c + 1);
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

}  // namespace
