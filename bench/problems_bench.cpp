// The problems that stop a save: listing them for 961 settings (target: at most 1 ms, so the
// list can follow every keystroke) on a clean document, one with 16 problems (the most a real
// zone file has) and one where every numeric value fails; and Fix All with its step in the
// editor's history (the averages and tooltips recomputed).
//
// Given a folder (problems_bench FOLDER [benchmark options]), it first runs, on every .cfg and
// .set file in it, what a user does: open (missing settings at their defaults), Fix All, Save
// As into a scratch folder, and validate the saved file as tavmir -v does. It prints one line
// per file and exits 1 when a file that opens cannot be saved or its saved file still has a
// value or pair finding.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/StartupTables.h"
#include "document/EditorDocument.h"
#include "document/ProblemFixes.h"
#include "session/SaveRun.h"
#include "settingsfile/SettingsFileReader.h"
#include "support/DocumentTestAccess.h"

namespace {

using namespace tavmir;
namespace fs = std::filesystem;

std::shared_ptr<const Catalogue> catalogue() {
    static const std::shared_ptr<const Catalogue> loaded = [] {
        CatalogueLoad load = Catalogue::load(TAVMIR_BIN_DIR);
        if (!load.catalogue) {
            std::fprintf(stderr, "%s\n", load.error.c_str());
            std::exit(2);
        }
        return load.catalogue;
    }();
    return loaded;
}

// 0: every setting at its default; 16: sixteen values above their high limit; else every
// numeric value not a number.
FieldTexts document(int problems) {
    const Catalogue& cat = *catalogue();
    FieldTexts texts;
    int made = 0;
    for (int n = 1; n <= kSettingCount; ++n) {
        texts[n] = cat[n].defaultValue;
        if (cat[n].isText()) continue;
        if (problems > 16) texts[n] = "x";
        if (problems == 16 && made < 16 && cat[n].hasRange())
            texts[n] = std::to_string(cat[n].highLimit + 1), ++made;
    }
    return texts;
}

void BM_ListProblems(benchmark::State& state) {
    const FieldTexts texts = document(static_cast<int>(state.range(0)));
    std::size_t listed = 0;
    for (auto _ : state) {
        const std::vector<ListedProblem> list = listProblems(*catalogue(), texts);
        listed = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["problems"] = static_cast<double>(listed);
}
BENCHMARK(BM_ListProblems)->Arg(0)->Arg(16)->Arg(961)->Unit(benchmark::kMicrosecond);

// What the status line needs after each keystroke: the count alone.
void BM_CountProblems(benchmark::State& state) {
    const FieldTexts texts = document(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(listSaveProblems(*catalogue(), texts).size());
}
BENCHMARK(BM_CountProblems)->Arg(0)->Arg(16)->Unit(benchmark::kMicrosecond);

// Fix All planned and applied to an editor as one step, then undone for the next round.
void BM_FixAll(benchmark::State& state) {
    EditorDocument doc(catalogue());
    const FieldTexts texts = document(static_cast<int>(state.range(0)));
    for (int n = 1; n <= kSettingCount; ++n) DocumentTestAccess::fields(doc)[n] = texts[n];
    doc.calculateAverageShipPage();
    for (auto _ : state) {
        doc.applyWrites(std::string(kFixProblemsStep), StepKind::Bulk,
                        fixAll(*catalogue(), doc.fields()));
        state.PauseTiming();
        doc.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FixAll)->Arg(16)->Arg(961)->Unit(benchmark::kMicrosecond);

class NoQuestions final : public SaveQuestions {
  public:
    bool confirm(const std::string&) override { return false; }
};

std::size_t valueOrPairFindings(const std::string& path) {
    SettingsFileData data;
    std::vector<Finding> findings;
    data.fileName = path;
    data.findings = &findings;
    validateSettingsFile(*catalogue(), data, {});
    return static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(), [](const Finding& f) { return f.fix.has_value(); }));
}

// The folder run described at the top; its figures go to standard output.
int runFolder(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        const std::string ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".cfg" || ext == ".set")) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    const fs::path scratch =
        fs::temp_directory_path() / ("tavmir-problems-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    int opened = 0, saved = 0, clean = 0, problems = 0;
    double listMs = 0, fixMs = 0;
    for (const fs::path& file : files) {
        EditorDocument doc(catalogue());
        OpenRunFlags flags;
        const SettingsReader reader = [](SettingsFileData& data) {
            validateSettingsFile(*catalogue(), data, {});
        };
        const LoadErrorDialog dialog = [](const LoadErrorRequest&) {
            return LoadErrorAnswer{LoadErrorButton::ContinueOpen, MissingChoice::Default};
        };
        if (!doc.openFile(file.string(), reader, flags, dialog).loaded()) {
            std::printf("%-28s does not open\n", file.filename().c_str());
            continue;
        }
        ++opened;
        using Clock = std::chrono::steady_clock;
        const auto t0 = Clock::now();
        const std::size_t before = listProblems(doc.catalogue(), doc.fields()).size();
        const auto t1 = Clock::now();
        const std::vector<FieldWrite> writes = fixAll(doc.catalogue(), doc.fields());
        if (!writes.empty()) doc.applyWrites(std::string(kFixProblemsStep), StepKind::Bulk, writes);
        const auto t2 = Clock::now();
        listMs += std::chrono::duration<double, std::milli>(t1 - t0).count();
        fixMs += std::chrono::duration<double, std::milli>(t2 - t1).count();
        problems += static_cast<int>(before);

        SaveChoice choice;
        choice.saveAs = true;
        choice.chosenPath = (scratch / file.filename()).string();
        choice.filterIndex = doc.fileType() == "SET" ? 2 : 1;
        NoQuestions questions;
        SaveSettings settings;
        settings.keepOriginals = false;
        const SaveOutcome out = saveDocument(doc, choice, questions, settings);
        const std::size_t left = out.ok() ? valueOrPairFindings(choice.chosenPath) : 0;
        saved += out.ok();
        clean += out.ok() && left == 0;
        std::printf("%-28s %3zu problems, %3zu fields fixed, %s, %zu value or pair findings\n",
                    file.filename().c_str(), before, writes.size(),
                    out.ok() ? "saved" : out.errorMessage.c_str(), left);
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
    std::printf(
        "%zu files, %d open, %d saved after Fix All, %d saved files without a value or pair "
        "finding; %d problems; list %.3f ms and Fix All %.3f ms a file on average\n",
        files.size(), opened, saved, clean, problems, opened ? listMs / opened : 0.0,
        opened ? fixMs / opened : 0.0);
    return saved == opened && clean == opened ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (argc > 1 && argv[1][0] != '-') {
        status = runFolder(argv[1]);
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return status;
}
