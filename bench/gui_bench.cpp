// Speed and memory of the windows: start-up to the main window shown (target 300 ms), a complete
// file opened into a new editor (100 ms), a page switch (5 ms) and eight open editors with every
// page visited (200 MB resident). Headless by default; under Xvfb run it with QT_QPA_PLATFORM=xcb.
#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "GuiContext.h"
#include "UiServices.h"
#include "catalogue/Catalogue.h"
#include "dialogs/FrmImportSettings.h"
#include "document/FieldTexts.h"
#include "document/SettingsWriter.h"
#include "editor/FrmSettingsEdit.h"
#include "gui/support/OffscreenScreen.h"
#include "mainwindow/GuiApplication.h"
#include "mainwindow/MDIFormMain.h"

namespace {

using namespace tavmir;
using namespace tavmir::gui;

// Answers every box with its default and closes every dialog at once: nothing may wait.
class QuietUiServices : public UiServices {
  public:
    QMessageBox::StandardButton message(QWidget*, BoxIcon, const QString&,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton defaultButton) override {
        return defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : defaultButton;
    }
    int exec(QDialog& dialog) override {
        dialog.reject();
        return dialog.result();
    }
    QStringList openFileNames(QWidget*, FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, FileDialogRequest&) override { return {}; }
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool print(QWidget*, QTextDocument&, bool, QTextDocument*) override { return false; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
};

std::filesystem::path scratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                           ("tavmir-gui-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::filesystem::copy_file(std::filesystem::path(TAVMIR_BIN_DIR) / "mset.dat",
                                   path / "mset.dat",
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }();
    return folder;
}

std::shared_ptr<const Catalogue> catalogue() {
    static const std::shared_ptr<const Catalogue> loaded =
        Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    return loaded;
}

// A file holding all 961 settings at their defaults.
std::string completeFile(int number) {
    const std::filesystem::path path =
        scratchFolder() / ("complete" + std::to_string(number) + ".cfg");
    if (!std::filesystem::exists(path)) {
        FieldTexts texts;
        for (int i = 1; i <= kSettingCount; ++i) texts[i] = (*catalogue())[i].defaultValue;
        std::ofstream(path, std::ios::binary) << cfgFileBytes(*catalogue(), texts);
    }
    return path.string();
}

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_StartupToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        GuiContext context;
        std::unique_ptr<MDIFormMain> window = startGui(context, scratchFolder(), {});
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);

struct OpenWindow {
    GuiContext context;
    std::unique_ptr<MDIFormMain> window;
    OpenWindow() {
        context.programFolder = scratchFolder();
        context.catalogue = catalogue();
        context.preferences.disableWindowMessage = 1;
        window = std::make_unique<MDIFormMain>(context);
        window->resize(1024, 768);
        window->show();
        settle();
    }
};

void BM_OpenCompleteFileIntoNewEditor(benchmark::State& state) {
    OpenWindow main;
    const std::string file = completeFile(0);
    for (auto _ : state) {
        main.window->openFiles({file});
        QApplication::processEvents();  // the first page painted
        state.PauseTiming();
        if (main.window->editors().size() != 1) state.SkipWithError("the file did not open");
        main.window->closeAllCommand();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenCompleteFileIntoNewEditor)->Unit(benchmark::kMillisecond);

void BM_PageSwitch(benchmark::State& state) {
    const bool firstVisit = state.range(0) != 0;
    OpenWindow main;
    main.window->openFiles({completeFile(0)});
    FrmSettingsEdit* editor = main.window->activeEditor();
    if (editor == nullptr) {
        state.SkipWithError("the file did not open");
        return;
    }
    if (!firstVisit)
        for (int page = 1; page <= 12; ++page) editor->showPage(page);
    settle();
    int page = 1;
    for (auto _ : state) {
        page = page % 12 + 1;
        if (firstVisit && page == 1) {
            // A fresh editor, so the pages are built again on their first visit.
            state.PauseTiming();
            main.window->closeAllCommand();
            settle();
            main.window->openFiles({completeFile(0)});
            editor = main.window->activeEditor();
            settle();
            page = 2;
            state.ResumeTiming();
        }
        editor->showPage(page);
        QApplication::processEvents();  // the page painted
    }
}
BENCHMARK(BM_PageSwitch)->Arg(0)->Arg(1)->ArgName("firstVisit")->Unit(benchmark::kMillisecond);

void BM_EightEditorsResident(benchmark::State& state) {
    for (auto _ : state) {
        const double before = residentMegabytes();
        OpenWindow main;
        std::vector<std::string> files;
        for (int i = 1; i <= 8; ++i) files.push_back(completeFile(i));
        main.window->openFiles(files);
        for (FrmSettingsEdit* editor : main.window->editors())
            for (int page = 1; page <= 12; ++page) editor->showPage(page);
        settle();
        state.counters["editors"] = static_cast<double>(main.window->editors().size());
        state.counters["resident_MB"] = residentMegabytes();
        state.counters["added_MB"] = residentMegabytes() - before;
    }
}
BENCHMARK(BM_EightEditorsResident)->Iterations(1)->Unit(benchmark::kMillisecond);

// The import list with 100,000 accepted lines (a clipboard near the size limit): the dialog
// built and shown, Select None, Select All, and the selection handed back by Import.
void BM_ImportListOfLines(benchmark::State& state) {
    const auto lines = static_cast<std::size_t>(state.range(0));
    std::vector<TransferRecord> records;
    QStringList notes;
    records.reserve(lines);
    for (std::size_t i = 0; i < lines; ++i) {
        records.push_back({static_cast<int>(i % 961) + 1, "Misc", "Key" + std::to_string(i % 961),
                           std::to_string(i), false});
        notes.append(i % 3 == 0 ? QStringLiteral("unchanged") : QString::number(i));
    }
    for (auto _ : state) {
        FrmImportSettings dialog(records, notes);
        dialog.show();
        settle();
        dialog.findChild<QPushButton*>(QStringLiteral("bSelectNone"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("bSelectAll"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("bImport"))->click();
        settle();
        benchmark::DoNotOptimize(records.back().selected);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ImportListOfLines)->Arg(100000)->Unit(benchmark::kMillisecond);

// One row of that list clicked on and off again, as a user picks lines: the count label
// follows each click.
void BM_ImportListRowClick(benchmark::State& state) {
    std::vector<TransferRecord> records(100000, TransferRecord{1, "Misc", "Key", "1", false});
    FrmImportSettings dialog(records, QStringList(100000, QStringLiteral("unchanged")));
    dialog.show();
    settle();
    auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("List1"));
    const QModelIndex row = list->model()->index(50000, 0);
    for (auto _ : state) {
        list->selectionModel()->select(row,
                                       QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        list->selectionModel()->select(row,
                                       QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
    }
}
BENCHMARK(BM_ImportListRowClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The offscreen platform with a 1920 x 1080 screen, as the GUI tests use; QT_QPA_PLATFORM=xcb
    // measures under a real X server instead.
    const QString screenFile = tavmir::gui::test::useOffscreenScreen(/*keepExplicit=*/true);
    QApplication app(argc, argv);
    QuietUiServices quiet;
    setUiServices(&quiet);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    setUiServices(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
    if (!screenFile.isEmpty()) QFile::remove(screenFile);
    return 0;
}
