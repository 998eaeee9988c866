// The recovery journal of an editor whose 961 settings all changed: its bytes (made on the
// user-interface thread), its atomic write flushed to disk (on the writer's thread), and reading
// it back at the next start. Target: at most 2 ms for the write of 961 changed values.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "catalogue/Catalogue.h"
#include "common/FileWrite.h"
#include "session/RecoveryJournal.h"

namespace {

using namespace tavmir;

struct Fixture {
    RecoveryJournal journal;
    std::string error;

    Fixture() {
        CatalogueLoad load = Catalogue::load(TAVMIR_BIN_DIR);
        error = load.error;
        if (!load.catalogue) return;
        journal.owner = "12345.1733745600123456789";
        journal.path = "/home/zone/arenas/league/league.cfg";
        journal.fileType = "CFG";
        journal.fileRead = true;
        journal.size = 30000;
        journal.modifiedNs = 1733745600123456789;
        journal.hash = 0x0123456789abcdefu;
        journal.changedNs = 1733745601123456789;
        for (int n = 1; n <= kSettingCount; ++n) {
            const std::string& d = (*load.catalogue)[n].defaultValue;
            journal.opened.push_back(FieldWrite{n, d});
            journal.changes.push_back(FieldWrite{n, d.empty() ? "1" : d + "1"});
        }
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void BM_JournalBytes(benchmark::State& state) {
    const Fixture& f = fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    for (auto _ : state) benchmark::DoNotOptimize(recoveryJournalBytes(f.journal));
}
BENCHMARK(BM_JournalBytes)->Unit(benchmark::kMicrosecond);

// The bytes and their flushed atomic write: what one journal write of 961 changes costs.
void BM_JournalWrite(benchmark::State& state) {
    const Fixture& f = fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("tavmir-recovery-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "1.1-1.journal";
    for (auto _ : state) {
        const WriteResult r = writeFileSafely(file, recoveryJournalBytes(f.journal));
        if (!r) state.SkipWithError(r.error().reason.c_str());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_JournalWrite)->Unit(benchmark::kMicrosecond);

void BM_JournalRead(benchmark::State& state) {
    const Fixture& f = fixture();
    if (!f.error.empty()) return state.SkipWithError(f.error.c_str());
    const std::string bytes = recoveryJournalBytes(f.journal);
    for (auto _ : state) benchmark::DoNotOptimize(parseRecoveryJournal(bytes));
}
BENCHMARK(BM_JournalRead)->Unit(benchmark::kMicrosecond);

}  // namespace
