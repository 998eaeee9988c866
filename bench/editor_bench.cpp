// The editor window's two speed targets: a complete file opened into a new editor (reading,
// validation, the first page built and shown) within 100 ms, and a page switch within 5 ms.
// Runs headless on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "GuiContext.h"
#include "UiServices.h"
#include "document/Layout.h"
#include "document/SaveFile.h"
#include "editor/FrmSettingsEdit.h"
#include "gui/support/OffscreenScreen.h"

namespace {

using tavmir::gui::FrmSettingsEdit;

tavmir::gui::GuiContext& context() {
    static tavmir::gui::GuiContext ctx = [] {
        tavmir::gui::GuiContext c;
        c.catalogue = tavmir::Catalogue::load(TAVMIR_BIN_DIR).catalogue;
        return c;
    }();
    return ctx;
}

// A complete CFG file of every setting at its default, written by the program's own writer.
const std::string& completeFile() {
    static const std::string path = [] {
        const std::string file =
            QDir::temp().filePath(QStringLiteral("tavmir-editor-bench.cfg")).toStdString();
        const tavmir::Catalogue& catalogue = *context().catalogue;
        tavmir::FieldTexts texts;
        for (int i = 1; i <= tavmir::kSettingCount; ++i) texts[i] = catalogue[i].defaultValue;
        tavmir::writeSettingsFile(catalogue, texts, "CFG", file);
        return file;
    }();
    return path;
}

void openCompleteFileIntoNewEditor(benchmark::State& state) {
    const std::string& path = completeFile();
    for (auto _ : state) {
        auto editor = std::make_unique<FrmSettingsEdit>(context());
        editor->setFilePath(path);
        if (editor->openFile(path) != tavmir::OpenResult::Loaded)
            state.SkipWithError("the file was refused");
        editor->showPage(1);
        editor->show();
        QApplication::processEvents();
        state.PauseTiming();
        editor.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(openCompleteFileIntoNewEditor)->Unit(benchmark::kMillisecond);

// Every page visited once before timing: the switch itself, between built pages, with the
// repaint that follows it (argument 1) or without it (0: the window's own share of the work).
void switchPage(benchmark::State& state) {
    const bool painting = state.range(0) != 0;
    FrmSettingsEdit editor(context());
    editor.openFile(completeFile());
    editor.show();
    for (int page = 1; page <= tavmir::kPageCount; ++page) editor.showPage(page);
    QApplication::processEvents();
    int page = 1;
    for (auto _ : state) {
        page = page % tavmir::kPageCount + 1;
        editor.showPage(page);
        if (painting) QApplication::processEvents();
    }
    QApplication::processEvents();
}
BENCHMARK(switchPage)->Arg(1)->Arg(0)->ArgName("painting")->Unit(benchmark::kMicrosecond);

// A page's first visit, which also builds its widgets.
void firstVisitOfAPage(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<FrmSettingsEdit>(context());
        editor->openFile(completeFile());
        editor->showPage(1);
        editor->show();
        QApplication::processEvents();
        state.ResumeTiming();
        editor->showPage(4);
        QApplication::processEvents();
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(firstVisitOfAPage)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    const QString screenFile = tavmir::gui::test::useOffscreenScreen(/*keepExplicit=*/true);
    QApplication app(argc, argv);
    if (!context().catalogue) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!screenFile.isEmpty()) QFile::remove(screenFile);
    return 0;
}
