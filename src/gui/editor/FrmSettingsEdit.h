// The editor window: one open settings file on a 1020 x 688 canvas of twelve pages of
// labelled value fields, inside a scroll area. It holds an EditorDocument and is the glue
// between it and the widgets: the scroll area (EditorScrollArea), the canvas with the page
// buttons, title and remark line (EditorCanvas) and the pages of cells (EditorPages). It
// forwards what the user does to the document and shows what changed; every rule lives in
// core/document.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "GuiContext.h"
#include "document/EditorDocument.h"
#include "document/LoadDecision.h"
#include "editor/EditorPages.h"
#include "session/EditorWindow.h"
#include "widgets/EditorFieldEvents.h"

namespace tavmir {
struct SaveChoice;
struct SaveOutcome;
}  // namespace tavmir

namespace tavmir::gui {

class EditorCanvas;
class EditorFileWatch;
class EditorScrollArea;

class FrmSettingsEdit : public QWidget, public EditorWindow, private EditorFieldEvents {
    Q_OBJECT

  public:
    explicit FrmSettingsEdit(GuiContext& context, QWidget* parent = nullptr);
    ~FrmSettingsEdit() override;

    // EditorWindow.
    std::string filePath() const override;
    bool modified() const override;
    // Reads the file (load-error dialog when it has errors).
    OpenResult openFile(const std::string& path) override;
    // The same with the values given by `reader` instead of the file's (a file recovered from
    // its journal that is gone from disk).
    OpenResult openFile(const std::string& path, const SettingsReader& reader);
    // Checks and writes in the file's own form.
    SaveResult saveFile() override;
    // Save As with the save dialog (Cancelled when the dialog is).
    SaveResult saveFileAs();

    void setFilePath(const std::string& path);
    int slotNumber() const;
    void setSlotNumber(int slot);

    // Shows page 1..12 / the page of a setting or field number.
    void showPage(int page);
    void setPageForItem(int item);
    int currentPage() const;
    // Puts the focus into the value field of a setting (showing its page).
    void focusItem(int item);

    EditorDocument& document();
    const EditorDocument& document() const;

    // Shows the document's texts, tooltips and caption again after an operation outside the
    // window (copy, swap, import, edit for all ships) wrote the document directly.
    void refreshFromDocument();

    // Re-aligns every value field after the preferences changed.
    void applyTextAlign();

    // Puts a text into the remark line (lRemark) until the next focus change: the Edit
    // menu's dialogs show their description there while they are open.
    void showRemarkText(const QString& text);

    // Undo (forward = false) or Redo of the document's history: the restored texts, averages,
    // tooltips and caption are shown, and the page and field of the step.
    void undoStep(bool forward);

    // Writes the fixes of problems that stop the save as one step ("Fix Problems") and shows
    // the texts, averages and tooltips they change; nothing happens without writes.
    void applyFixes(const std::vector<FieldWrite>& writes);
    // How many problems stop the save of the values now.
    std::size_t problemCount() const { return m_problemCount; }

    // The file on disk: what the watcher and the program's activation look through.
    EditorFileWatch& fileWatch() { return *m_fileWatch; }
    // Looks at the file on disk now, as the watcher's signal does.
    Q_INVOKABLE void checkFileOnDisk();

  signals:
    // The focused field changed which of the two Edit commands apply.
    void editCommandsChanged(bool editSettingForAllShips, bool editAlphanumericSetting);
    // A file was loaded (open or reload) into this editor.
    void fileLoaded(const QString& path);
    // The file was written; pathChanged after a Save As to another file.
    void fileSaved(const QString& path, bool pathChanged);
    // The user double-clicked a field whose command is Edit For All Ships (true) or
    // Edit Alphanumeric Setting (false); the main window runs the command.
    void editCommandRequested(bool editSettingForAllShips);
    // What Undo and Redo would do may have changed (an edit, a focus change, an open, ...).
    void historyChanged();
    // The values changed (typing, an operation, Undo or Redo, an open): the problems that
    // stop the save may have changed with them.
    void valuesChanged();
    // The user chose "&Show Problems" in the load-error dialog of this editor's open.
    void problemsRequested();

  private:
    // EditorFieldEvents: what the cells report.
    void fieldFocused(int item) override;
    void fieldBlurred(int item) override;
    void fieldActivated(int item) override;
    void fieldEdited(int item, const QString& text) override;
    void pageKey(bool down) override;
    int filterKey(int item, int code) override;
    void labelClicked(int item, bool doubleClick) override;

    // What the document calls to show a page switch on the widgets.
    PageSwitchApply pageSwitcher();
    void applyPageSwitch(int from, int to);
    void showRemark();
    void refreshCaption();
    // Counts the problems that stop the save of the values now, then valuesChanged.
    void valuesEdited();
    // Runs the save and shows its outcome (message box, page and focus of a refused value,
    // caption, the saved message).
    SaveResult save(const SaveChoice& choice);
    void showSaveOutcome(const SaveOutcome& outcome);
    // The file changed on disk and the user chose to reload it: a fresh single-file open.
    void reloadFromDisk();

    GuiContext& m_context;
    EditorDocument m_document;
    OpenRunFlags m_ownRunFlags;  // used when no main module runs the open
    std::size_t m_problemCount = 0;
    EditorScrollArea* m_scrollArea;
    EditorCanvas* m_canvas;
    EditorFileWatch* m_fileWatch;
    // Last: the cells go before the document they report to.
    EditorPages m_pages;
};

}  // namespace tavmir::gui
