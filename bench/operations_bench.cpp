// Exports all 961 settings of an editor to clipboard text and imports the text back into
// another editor: list, text, parse, selection and field writes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "catalogue/Catalogue.h"
#include "operations/ClipboardTransfer.h"
#ifdef TAVMIR_HAVE_TEST_BUILDER
#include "support/MasterFileBuilder.h"
#endif

namespace {

using namespace tavmir;

std::shared_ptr<const Catalogue> benchCatalogue() {
    const std::filesystem::path folder = TAVMIR_BIN_DIR;
    if (std::filesystem::exists(folder / kMasterFileName)) return Catalogue::load(folder).catalogue;
#ifdef TAVMIR_HAVE_TEST_BUILDER
    return Catalogue::parse(test::MasterFileBuilder().pack(), "made-up").catalogue;
#else
    return nullptr;
#endif
}

void BM_ExportAndImportAllSettings(benchmark::State& state) {
    const std::shared_ptr<const Catalogue> catalogue = benchCatalogue();
    if (!catalogue) {
        state.SkipWithError("no catalogue");
        return;
    }
    FieldTexts source;
    for (int i = 1; i <= kSettingCount; ++i) source[i] = std::to_string(i * 37 % 10000);
    FieldTexts target;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<TransferRecord> list = buildExportList(*catalogue, source);
        for (auto& r : list) r.selected = true;
        const ExportText text = exportText(list);
        ImportParse parsed = parseImportText(*catalogue, text.text);
        for (auto& r : parsed.records) r.selected = true;
        const ImportWrites in = importSelected(parsed.records);
        applyFieldWrites(target, in.writes);
        benchmark::DoNotOptimize(target[961]);
        bytes = text.text.size();
    }
    state.counters["clipboard_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportAndImportAllSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
