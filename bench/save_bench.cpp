// Saving one complete document with the generated catalogue: every value and pair check,
// the file's bytes, and the atomic write with its flush to disk. Target: at most 5 ms a save.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "catalogue/Catalogue.h"
#include "document/SaveChecks.h"
#include "document/SaveFile.h"
#include "document/SettingsWriter.h"

namespace {

using namespace tavmir;

struct Fixture {
    std::shared_ptr<const Catalogue> catalogue;
    FieldTexts texts;
    std::string error;

    Fixture() {
        CatalogueLoad load = Catalogue::load(TAVMIR_BIN_DIR);
        catalogue = load.catalogue;
        error = load.error;
        if (catalogue)
            for (int n = 1; n <= kSettingCount; ++n) texts[n] = (*catalogue)[n].defaultValue;
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void BM_SaveChecks(benchmark::State& state) {
    const Fixture& f = fixture();
    if (!f.catalogue) return state.SkipWithError(f.error.c_str());
    for (auto _ : state) benchmark::DoNotOptimize(checkBeforeSave(*f.catalogue, f.texts));
}
BENCHMARK(BM_SaveChecks)->Unit(benchmark::kMicrosecond);

void BM_FileBytes(benchmark::State& state) {
    const Fixture& f = fixture();
    if (!f.catalogue) return state.SkipWithError(f.error.c_str());
    const char* form = state.range(0) == 0 ? "CFG" : "SET";
    for (auto _ : state) benchmark::DoNotOptimize(settingsFileBytes(*f.catalogue, f.texts, form));
}
BENCHMARK(BM_FileBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SaveFile(benchmark::State& state) {
    const Fixture& f = fixture();
    if (!f.catalogue) return state.SkipWithError(f.error.c_str());
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("tavmir-save-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    SaveState doc{(dir / (state.range(0) == 0 ? "arena.cfg" : "arena.set")).string(),
                  state.range(0) == 0 ? "CFG" : "SET", true};
    for (auto _ : state) {
        const SaveOutcome out = saveFile(*f.catalogue, f.texts, doc);
        if (!out.ok()) {
            state.SkipWithError(out.errorMessage.c_str());
            break;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
BENCHMARK(BM_SaveFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
