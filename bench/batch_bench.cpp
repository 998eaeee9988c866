// The batch tools' targets: 1,000 complete files validated in the window within 1.5 s;
// compared with an origin within 2 s in the window and 1 s headless; a stop taking effect
// within 100 ms on a 1,000-file run; a folder of 10,000 files added to the grid without a
// stall. Headless on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "batch/BatchComparison.h"
#include "batch/BatchValidation.h"
#include "batch/FrmCompareFiles.h"
#include "batch/FrmValidateFiles.h"
#include "gui/support/OffscreenScreen.h"
#include "gui/support/ScriptedUiServices.h"

namespace {

using namespace tavmir;
using namespace tavmir::gui;
namespace fs = std::filesystem;

struct Files {
    fs::path folder = fs::temp_directory_path() / "tavmir-batch-bench";
    QStringList thousand;
    std::string origin;
    fs::path big = folder / "big";
    Files() {
        fs::remove_all(folder);
        fs::create_directories(big);
        std::ifstream in(TAVMIR_SAMPLE, std::ios::binary);
        const std::string sample{std::istreambuf_iterator<char>(in), {}};
        for (int i = 0; i < 1000; ++i) {
            const fs::path p = folder / ("zone" + std::to_string(i) + ".cfg");
            std::ofstream(p, std::ios::binary) << sample;
            thousand << QString::fromStdString(p.string());
        }
        origin = (folder / "origin.cfg").string();
        std::ofstream(origin, std::ios::binary) << sample;
        for (int i = 0; i < 10000; ++i)
            std::ofstream(big / ("f" + std::to_string(i) + ".cfg")) << "x";
    }
    ~Files() { fs::remove_all(folder); }
};

Files& files() {
    static Files f;
    return f;
}

GuiContext& context() {
    static GuiContext c = [] {
        GuiContext g;
        g.catalogue = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
        g.programFolder = TAVMIR_BIN_DIR;
        return g;
    }();
    return c;
}

// A button of a window, by its object name.
QPushButton& button(QWidget& window, const char* name) {
    return *window.findChild<QPushButton*>(QLatin1String(name));
}

test::ScriptedUiServices& services() {
    static test::ScriptedUiServices s;
    return s;
}

void validateInWindow(benchmark::State& state) {
    services();
    FrmValidateFiles w(context());
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    w.addFiles(files().thousand);
    for (auto _ : state) button(w, "bStartValidation").click();
}
BENCHMARK(validateInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void compareInWindow(benchmark::State& state) {
    services();
    FrmCompareFiles w(context());
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    w.addFiles(files().thousand);
    services().openAnswers.push_back({QString::fromStdString(files().origin)});
    button(w, "bAddOriginFile").click();
    for (auto _ : state) button(w, "bStartComparison").click();
}
BENCHMARK(compareInWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void compareHeadless(benchmark::State& state) {
    BatchFileList list(BatchMode::Compare);
    for (const QString& p : files().thousand) list.add(p.toStdString());
    for (auto _ : state) {
        BatchComparison run(*context().catalogue);
        std::string report;
        run.run(list, files().origin, report, {});
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(compareHeadless)->Unit(benchmark::kMillisecond)->Iterations(3);

// From the click on Stop (queued while the run is under way) to the end of the run.
void stopLatency(benchmark::State& state) {
    services();
    FrmValidateFiles w(context());
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    w.addFiles(files().thousand);
    double worst = 0;
    for (auto _ : state) {
        std::chrono::steady_clock::time_point clicked;
        QTimer::singleShot(200, &w, [&] {
            clicked = std::chrono::steady_clock::now();
            button(w, "bStopValidation").click();
        });
        button(w, "bStartValidation").click();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - clicked)
                .count();
        worst = std::max(worst, ms);
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["worst_ms"] = worst;
}
BENCHMARK(stopLatency)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void addFolderOf10000(benchmark::State& state) {
    services().dialogHandler = [](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("tFolder"))
            ->setText(QString::fromStdString(files().big.string()));
        button(d, "bAddFolder").click();
        return 0;
    };
    for (auto _ : state) {
        FrmValidateFiles w(context());
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.show();
        button(w, "bAddFolder").click();
        QApplication::processEvents();
        if (w.list().size() != 10000) state.SkipWithError("not all files were added");
    }
    services().dialogHandler = nullptr;
}
BENCHMARK(addFolderOf10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    const QString config = tavmir::gui::test::useOffscreenScreen(true);
    QApplication app(argc, argv);
    files();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!config.isEmpty()) QFile::remove(config);
    return 0;
}
