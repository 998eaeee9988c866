// The Edit menu's speed targets: each dialog opened on a complete file and closed within
// 50 ms (the export list of 961 entries included), a Previous/Next step of the
// edit-for-all-ships dialog within 5 ms, 961 imported settings applied to an editor with the
// Average Ship page recomputed within 20 ms, and Undo and Redo of that import through the Edit
// menu (widgets, averages and tooltips included) within 20 ms each. Headless on the offscreen
// platform.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <memory>

#include "GuiContext.h"
#include "catalogue/StartupTables.h"
#include "dialogs/FrmEditSettingForAllShips.h"
#include "document/Layout.h"
#include "document/SaveFile.h"
#include "document/SettingsWriter.h"
#include "editor/FrmSettingsEdit.h"
#include "gui/support/OffscreenScreen.h"
#include "gui/support/ScriptedUiServices.h"
#include "mainwindow/MDIFormMain.h"
#include "operations/ClipboardTransfer.h"
#include "operations/DocumentEdits.h"

namespace {

using namespace tavmir;
using namespace tavmir::gui;

struct Session {
    GuiContext context;
    test::ScriptedUiServices ui;
    std::unique_ptr<MDIFormMain> window;
    FrmSettingsEdit* editor = nullptr;

    Session() {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / "tavmir-editmenu-bench";
        std::filesystem::create_directories(folder);
        context.programFolder = folder;
        context.catalogue = Catalogue::load(TAVMIR_BIN_DIR).catalogue;
        FieldTexts texts;
        for (int i = 1; i <= kSettingCount; ++i) texts[i] = (*context.catalogue)[i].defaultValue;
        const std::string path = (folder / "zone.cfg").string();
        writeSettingsFile(*context.catalogue, texts, "CFG", path);
        window = std::make_unique<MDIFormMain>(context);
        window->show();
        window->openFiles({path});
        editor = window->editors().front();
        for (int page = 1; page <= kPageCount; ++page) editor->showPage(page);
        QApplication::processEvents();
        ui.clipboard = fromCore(exportText([this] {
                                    auto list = buildExportList(*context.catalogue,
                                                                editor->document().fields());
                                    for (auto& r : list) r.selected = true;
                                    return list;
                                }())
                                    .text);
    }
};

Session& session() {
    static Session s;
    return s;
}

// Opens one Edit menu dialog through its menu item, paints it, and closes it with Escape.
void openAndCloseDialog(benchmark::State& state) {
    Session& s = session();
    const char* items[] = {"mEditSettingForAllShips",
                           "mEditAlphanumericSetting",
                           "mCopyShipSettings",
                           "mSwapShipSettings",
                           "mFindSetting",
                           "mExportSettingsToClipboard",
                           "mImportSettingsFromClipboard"};
    QAction* item = s.window->findChild<QAction*>(QLatin1String(items[state.range(0)]));
    state.SetLabel(item->objectName().toStdString());
    const int focus = state.range(0) == 1 ? 1 : shipTable(1, 0);
    s.ui.dialogHandler = [](QDialog& dialog) {
        QApplication::processEvents();
        dialog.reject();
        return dialog.result();
    };
    for (auto _ : state) {
        s.editor->focusItem(focus);
        item->trigger();
    }
}
BENCHMARK(openAndCloseDialog)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// "Next >" with one box changed: the write-back through the change handling, the editor's
// widgets brought up to date, and the next row filled.
void stepEditAllShips(benchmark::State& state) {
    Session& s = session();
    EditorDocument& document = s.editor->document();
    EditAllShipsHost host;
    host.fields = &document.fields();
    host.apply = [&s](const std::vector<FieldWrite>& writes) {
        s.editor->document().applyWrites(std::string(kEditSettingForAllShipsStep), StepKind::Typed,
                                         writes);
        s.editor->refreshFromDocument();
    };
    host.showPage = [&s](int page) { s.editor->showPage(page); };
    FrmEditSettingForAllShips dialog(document.catalogue(), host, 1, s.window.get());
    dialog.open(4, shipTable(1, 0), Qt::AlignLeft);
    dialog.show();
    QApplication::processEvents();
    auto* warbirdBox = dialog.findChild<QLineEdit*>(QStringLiteral("tSet_0"));
    int n = 0;
    for (auto _ : state) {
        warbirdBox->setText(QString::number(++n % 1000));
        dialog.showNextSetting();
    }
    dialog.writeBackAndClose();
}
BENCHMARK(stepEditAllShips)->Unit(benchmark::kMicrosecond);

// 961 imported values applied in bulk, every Average Ship row recomputed, widgets updated.
void importAllSettings(benchmark::State& state) {
    Session& s = session();
    ImportParse parsed = parseImportText(*s.context.catalogue, toCore(s.ui.clipboard));
    for (auto& r : parsed.records) r.selected = true;
    const ImportWrites writes = importSelected(parsed.records);
    // Every other round imports other texts, so each round changes all 961 fields.
    ImportWrites other = writes;
    for (FieldWrite& w : other.writes) w.text = w.text.empty() ? "1" : w.text.substr(1);
    bool flip = false;
    for (auto _ : state) {
        s.editor->document().applyWrites(std::string(kImportSettingsStep), StepKind::Bulk,
                                         (flip = !flip) ? other.writes : writes.writes);
        s.editor->refreshFromDocument();
    }
    state.counters["settings"] = writes.count;
}
BENCHMARK(importAllSettings)->Unit(benchmark::kMillisecond);

// Undo (argument 0) or Redo (argument 1) of an import of all 961 settings, as the Edit menu's
// items run them; the other one, which sets the stage for the next round, is not timed.
void undoRedoImportInEditor(benchmark::State& state) {
    Session& s = session();
    std::vector<FieldWrite> writes;
    for (int n = 1; n <= kSettingCount; ++n) writes.push_back({n, std::to_string(n * 7 % 1000)});
    s.editor->document().applyWrites(std::string(kImportSettingsStep), StepKind::Bulk, writes);
    s.editor->refreshFromDocument();
    QAction* undo = s.window->findChild<QAction*>(QStringLiteral("mUndo"));
    QAction* redo = s.window->findChild<QAction*>(QStringLiteral("mRedo"));
    const bool timingRedo = state.range(0) == 1;
    for (auto _ : state) {
        if (timingRedo) {
            state.PauseTiming();
            undo->trigger();
            state.ResumeTiming();
            redo->trigger();
        } else {
            undo->trigger();
            state.PauseTiming();
            redo->trigger();
            state.ResumeTiming();
        }
    }
    state.SetLabel(timingRedo ? "Redo" : "Undo");
}
BENCHMARK(undoRedoImportInEditor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    const QString config = tavmir::gui::test::useOffscreenScreen(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    session().window.reset();
    if (!config.isEmpty()) QFile::remove(config);
    return 0;
}
