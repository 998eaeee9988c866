// Reading and validating complete settings files, and loading the catalogue.
//   validate_bench [--benchmark_filter=...]
// The "Scan" variants answer every lookup by scanning the catalogue; the indexed reader
// should be at least 20 times faster.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "catalogue/Catalogue.h"
#include "settingsfile/SettingsFileReader.h"

namespace {

using namespace tavmir;

std::shared_ptr<const Catalogue> catalogue(LookupMode mode) {
    static auto indexed = Catalogue::load(TAVMIR_BIN_DIR, LookupMode::Indexed).catalogue;
    static auto scan = Catalogue::load(TAVMIR_BIN_DIR, LookupMode::Scan).catalogue;
    return mode == LookupMode::Indexed ? indexed : scan;
}

// A file holding all 961 settings with their defaults, in the CFG form.
std::string completeFile() {
    static const std::string path = [] {
        const auto cat = catalogue(LookupMode::Indexed);
        std::string text, section;
        for (int i = 1; i <= kSettingCount; ++i) {
            const SettingDef& d = (*cat)[cat->cfgWriteOrder(i)];
            if (d.section != section) {
                if (!section.empty()) text += "\r\n";
                section = d.section;
                text += "[" + section + "]\r\n";
            }
            text += d.key + "=" + d.defaultValue + "\r\n";
        }
        const std::string p =
            (std::filesystem::temp_directory_path() / "tavmir-bench-complete.cfg").string();
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }();
    return path;
}

void validate(benchmark::State& state, const std::string& path, LookupMode mode) {
    const auto cat = catalogue(mode);
    if (!cat || !std::filesystem::exists(path)) {
        state.SkipWithError("catalogue or input file missing");
        return;
    }
    SettingsFileData data;
    StyledLog log;
    data.fileName = path;
    data.log = &log;
    ReaderEnvironment env;
    env.longDate = [] { return std::string("Sunday, December 6, 2026"); };
    env.longTime = [] { return std::string("22:00:00"); };
    for (auto _ : state) {
        log.clear();
        validateSettingsFile(*cat, data, env);
        benchmark::DoNotOptimize(data.foundCount);
    }
    state.counters["found"] = data.foundCount;
    state.counters["errors"] = data.errorCount;
}

const std::string kDefaultArena = std::string(TAVMIR_REFERENCE_DIR) + "/server-default-arena.cfg";

void BM_ValidateDefaultArena(benchmark::State& s) {
    validate(s, kDefaultArena, LookupMode::Indexed);
}
void BM_ValidateDefaultArenaScan(benchmark::State& s) {
    validate(s, kDefaultArena, LookupMode::Scan);
}
void BM_ValidateComplete961(benchmark::State& s) {
    validate(s, completeFile(), LookupMode::Indexed);
}
void BM_ValidateComplete961Scan(benchmark::State& s) {
    validate(s, completeFile(), LookupMode::Scan);
}

void BM_LoadCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        auto load = Catalogue::load(TAVMIR_BIN_DIR);
        benchmark::DoNotOptimize(load.catalogue);
    }
}

BENCHMARK(BM_ValidateDefaultArena)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ValidateDefaultArenaScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ValidateComplete961)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ValidateComplete961Scan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
