#include "operations/EditMenuController.h"

#include <QPointer>

#include "BusyCursor.h"
#include "UiServices.h"
#include "dialogs/FrmCopyShipSettings.h"
#include "dialogs/FrmEditAlphanum.h"
#include "dialogs/FrmEditSettingForAllShips.h"
#include "dialogs/FrmExportSettings.h"
#include "dialogs/FrmFindSetting.h"
#include "dialogs/FrmImportSettings.h"
#include "dialogs/FrmSwapShipSettings.h"
#include "document/Editing.h"
#include "editor/FrmSettingsEdit.h"
#include "mainwindow/MDIFormMain.h"
#include "operations/DocumentEdits.h"
#include "widgets/FieldAlignment.h"

namespace tavmir::gui {
namespace {

// The editor's remark line while one of its dialogs is open.
std::function<void(const QString&)> remarkLineOf(FrmSettingsEdit& editor) {
    return [target = QPointer<FrmSettingsEdit>(&editor)](const QString& text) {
        if (target) target->showRemarkText(text);
    };
}

void applyBulk(FrmSettingsEdit& editor, const std::vector<FieldWrite>& writes,
               std::string_view stepName) {
    BusyCursor busy;
    editor.document().applyWrites(std::string(stepName), StepKind::Bulk, writes);
    editor.refreshFromDocument();
}

}  // namespace

EditMenuController::EditMenuController(MDIFormMain& main, GuiContext& context)
    : QObject(&main), m_main(main), m_context(context) {}

FrmSettingsEdit* EditMenuController::editor() const { return m_main.activeEditor(); }

void EditMenuController::undo() {
    if (FrmSettingsEdit* target = editor()) target->undoStep(false);
}

void EditMenuController::redo() {
    if (FrmSettingsEdit* target = editor()) target->undoStep(true);
}

void EditMenuController::editSettingForAllShips() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    EditorDocument& document = target->document();
    const Catalogue& catalogue = document.catalogue();
    const int row = shipRowOfItem(catalogue, document.focusedItem());
    if (row == 0) return;  // only per-ship fields and Average Ship fields name a row

    EditAllShipsHost host;
    host.fields = &document.fields();
    host.apply = [target](const std::vector<FieldWrite>& writes) {
        target->document().applyWrites(std::string(kEditSettingForAllShipsStep), StepKind::Typed,
                                       writes);
        target->refreshFromDocument();
    };
    host.showPage = [target](int page) { target->showPage(page); };
    FrmEditSettingForAllShips dialog(catalogue, host, row, &m_main);
    dialog.setRemarkSink(remarkLineOf(*target));
    dialog.move(m_editAllPosition);
    dialog.open(document.currentPage(), document.focusedItem(),
                fieldAlignment(m_context.preferences.textAlign));
    // Every write-back of the session (each step to another setting, the close) is one step.
    {
        const auto session =
            document.openStep(std::string(kEditSettingForAllShipsStep), StepKind::Typed);
        ui().exec(dialog);
    }
    target->refreshFromDocument();
    m_editAllPosition = dialog.pos();
    target->focusItem(dialog.closing().focusField);
}

void EditMenuController::editAlphanum() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    EditorDocument& document = target->document();
    const int item = document.focusedItem();
    if (item < 1 || item > kSettingCount || !document.catalogue()[item].isText()) return;
    FrmEditAlphanum dialog(document.catalogue(), document.fields(), item, &m_main);
    dialog.setRemarkSink(remarkLineOf(*target));
    ui().exec(dialog);
    if (!dialog.writes().empty()) {
        document.applyWrites(std::string(kEditAlphanumericSettingStep), StepKind::Typed,
                             dialog.writes());
        target->refreshFromDocument();
    }
    target->focusItem(item);
}

void EditMenuController::swapSettings() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    FrmSwapShipSettings dialog(target->document().fields(), &m_main);
    if (ui().exec(dialog) == QDialog::Accepted && !dialog.writes().empty())
        applyBulk(*target, dialog.writes(), kSwapShipSettingsStep);
}

void EditMenuController::copySettings() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    FrmCopyShipSettings dialog(target->document().fields(), &m_main);
    if (ui().exec(dialog) == QDialog::Accepted && !dialog.writes().empty())
        applyBulk(*target, dialog.writes(), kCopyShipSettingsStep);
}

void EditMenuController::findSetting() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    FrmFindSetting dialog(m_search, &m_main);
    ui().exec(dialog);
    if (dialog.findCancelled()) return;
    const FindResult found = tavmir::findSetting(target->document().catalogue(), m_search);
    if (found.item == 0) {
        showInformation(&m_main, fromCore(found.message));
        return;
    }
    target->focusItem(found.item);
}

void EditMenuController::findNextSetting() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    const EditorDocument& document = target->document();
    const int item = tavmir::findNextSetting(
        document.catalogue(), m_search,
        {document.fieldHasFocus(), document.currentPage(), document.focusedItem()});
    if (item != 0) target->focusItem(item);
}

void EditMenuController::exportSettingsToClipboard() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    std::vector<TransferRecord> list;
    {
        BusyCursor busy;
        list = buildExportList(target->document().catalogue(), target->document().fields());
    }
    FrmExportSettings dialog(list, &m_main);
    ui().exec(dialog);
    if (dialog.cancelled()) return;
    const ExportText text = exportText(list);
    ui().setClipboardText(fromCore(text.text));
    showInformation(&m_main, fromCore(exportedMessage(text.count)));
}

void EditMenuController::importSettingsFromClipboard() {
    FrmSettingsEdit* target = editor();
    if (target == nullptr) return;
    const QString clipboard = ui().clipboardText();
    ImportParse parsed;
    QStringList notes;
    {
        BusyCursor busy;
        parsed = parseImportText(target->document().catalogue(), toCore(clipboard));
        notes.reserve(static_cast<qsizetype>(parsed.records.size()));
        for (const TransferRecord& record : parsed.records) {
            if (!importChangesField(target->document(), record)) {
                notes.append(QStringLiteral("unchanged"));
                continue;
            }
            const std::string& now = target->document().text(record.item);
            notes.append(now.empty() ? QStringLiteral("(empty)") : fromCore(now));
        }
    }
    if (!parsed.message.empty()) {
        showInformation(&m_main, fromCore(parsed.message));
        return;
    }
    FrmImportSettings dialog(parsed.records, notes, &m_main);
    ui().exec(dialog);
    if (dialog.cancelled()) return;
    const ImportWrites writes = importSelected(parsed.records);
    applyBulk(*target, writes.writes, kImportSettingsStep);
    showInformation(&m_main, fromCore(importedMessage(writes.count)));
}

}  // namespace tavmir::gui
