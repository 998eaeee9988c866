// One editor's document: the texts of its 1045 value fields (961 settings and the 84
// Average Ship rows), the file it came from, its form, the modified mark, the page shown,
// the focused field with the remark line and the two Edit commands, the tooltips of the
// fields, and the validation log kept from the last successful open.
//
// The editor window holds one EditorDocument and only displays it: it forwards the user's
// actions (typing, focus, page buttons and keys) to the methods here and re-reads the state
// they change. Window-only matters (widgets, the busy pointer, message boxes, the recent
// list and the main window's menus) stay with the window; methods return what it needs.
//
// The window must forward only the user's own edits to editField (Qt's textEdited, not
// textChanged): texts the document writes itself (averages, an open) are not edits.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "document/BackupSession.h"
#include "document/DiskWatch.h"
#include "document/EditHistory.h"
#include "document/Editing.h"
#include "document/FieldTexts.h"
#include "document/LoadDecision.h"
#include "settingsfile/SettingsFileData.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

// Runs the reader on a record whose fileName, options and log are set. The window passes
// one that calls validateSettingsFile with its catalogue and environment; tests pass one
// that fills the record directly.
using SettingsReader = std::function<void(SettingsFileData&)>;

// Whether OpenFile took the file.
enum class OpenResult {
    Loaded,
    Refused,  // not a settings file, or the user cancelled it in the load-error dialog
};

struct OpenOutcome {
    OpenResult result = OpenResult::Loaded;
    std::string message;  // a critical message box to show first, "" when none
    // The user chose "&Show Problems" in the load-error dialog: once the editor shows, the
    // Problems window lists what stops its save.
    bool showProblems = false;
    // On success: the window enables its file menus, adds the path to the front of the
    // recent list and shows the load-errors button when hasLoadErrors().
    bool loaded() const { return result == OpenResult::Loaded; }
};

// What an edit changed besides the edited field's own text; the window re-reads these.
struct FieldChange {
    int averageField = 0;  // the Average Ship field rewritten, 0 when none
    bool tooltip = false;  // tooltip(item) changed (label and field)
    bool remark = false;   // remark() changed
    bool caption = false;  // caption() may have changed
};

// Applies a page switch to the widgets (hide page `from`, show page `to`); called while
// pageSwitching() is true, so focus events it causes are ignored.
using PageSwitchApply = std::function<void(int from, int to)>;

class EditorDocument {
  public:
    explicit EditorDocument(std::shared_ptr<const Catalogue> catalogue);
    // The kept record points at the kept log, so a document is never copied.
    EditorDocument(const EditorDocument&) = delete;
    EditorDocument& operator=(const EditorDocument&) = delete;

    const Catalogue& catalogue() const { return *m_catalogue; }

    // --- The file ---------------------------------------------------------------------
    const std::string& filePath() const { return m_filePath; }
    void setFilePath(std::string path) { m_filePath = std::move(path); }
    int slotNumber() const { return m_slotNumber; }
    void setSlotNumber(int slot) { m_slotNumber = slot; }
    // "CFG" or "SET" once a file is loaded.
    const std::string& fileType() const { return m_fileType; }
    // Save As to the other form changes it.
    void setFileType(std::string type) { m_fileType = std::move(type); }
    // Every change of the values sets the mark; a save clears it through markSaved, and an
    // Undo back to the state of the open or the last save.
    bool modified() const { return m_modified; }
    // The document was written to its file: the mark clears and the history's clean state
    // is the current one.
    void markSaved();
    // The file was deleted or replaced by something that is not a file: the values are no
    // longer on disk anywhere, so the mark is set (closing asks to save) and stays set, even
    // through Undo, until a save.
    void markFileGone();
    // FilePath, followed by " *" while modified.
    std::string caption() const;
    // What the editor knows of its file on disk (the identity it last read or wrote, what it
    // has told about it) and which originals its saves have kept as FILE.bak. An open starts
    // both afresh with the file as it was read.
    DiskWatch& diskWatch() { return m_disk; }
    const DiskWatch& diskWatch() const { return m_disk; }
    BackupSession& backups() { return m_backups; }

    // Reads `path` through `reader`, asks `dialog` about a file with errors or
    // warnings (unless flags.continueAll), and on success replaces the field texts, sets
    // FileType, Modified, the kept log and all averages. A refused or cancelled open
    // changes nothing in the document, so a refused reload keeps the values and the
    // modified mark the user had. A file whose form was not decided or that could not be
    // read to its end is refused with "File is not in CFG or SET format:".
    OpenOutcome openFile(const std::string& path, const SettingsReader& reader, OpenRunFlags& flags,
                         const LoadErrorDialog& dialog);
    // The trimmed validation log of the loaded file (shown by "View load e&rrors").
    const StyledLog& loadLog() const { return m_loadLog; }
    // The loaded file had errors or warnings: the load-errors button is shown.
    bool hasLoadErrors() const { return m_hasLoadErrors; }
    // The reader's record of the loaded file: values as read and the found flags.
    const SettingsFileData& fileRecord() const { return *m_record; }

    // --- Field texts ------------------------------------------------------------------
    const FieldTexts& fields() const { return m_fields; }
    const std::string& text(int item) const { return m_fields[item]; }
    // A setting's text as the open (or reload) filled it in, or as the last save wrote it.
    const std::string& savedText(int item) const { return m_savedFields[item]; }
    // The tooltip of field `item`'s label and value field.
    const std::string& tooltip(int item) const;
    bool loading() const { return m_loading; }

    // The change handling of field `item` for a new text the user typed (cut to the field's
    // length): recomputes the row average of a ship setting, refreshes that item's annotation
    // (tooltip and remark) and marks the document modified.
    FieldChange editField(int item, std::string_view text);

    // Every other change of the values: texts written into setting fields (1..961; others
    // are ignored), each cut to its field's length, as one step of the history named
    // stepName. Typed runs each write through the change handling, as typing would (the
    // edit-for-all-ships write-back, the alphanumeric edit); Bulk writes them all with the
    // handling suspended, then marks the document modified (even when no text changed) and
    // recomputes the whole Average Ship page (copy, swap, import). Inside an open StepScope
    // the writes join its step. Returns the number of writes applied.
    int applyWrites(std::string stepName, StepKind kind, const std::vector<FieldWrite>& writes);
    // Every row average and every ship tooltip; not an edit.
    void calculateAverageShipPage();

    // --- History ----------------------------------------------------------------------
    // Typing in one field is one step, closed when the field loses the focus, another field
    // gets it, or another step begins. An operation that writes many fields (copy, swap,
    // import) is one step, and so is a dialog's whole session around its write-backs: a
    // StepScope holds the step open while it lives. A step is kept when it changed a
    // setting's text or the modified mark; steps opened inside an open step join it.
    class [[nodiscard]] StepScope {
      public:
        StepScope(StepScope&& other) noexcept : m_document(other.m_document) {
            other.m_document = nullptr;
        }
        StepScope(const StepScope&) = delete;
        StepScope& operator=(const StepScope&) = delete;
        StepScope& operator=(StepScope&&) = delete;
        ~StepScope() {
            if (m_document != nullptr) m_document->endStep();
        }

      private:
        friend class EditorDocument;
        explicit StepScope(EditorDocument& document) : m_document(&document) {}
        EditorDocument* m_document;
    };
    StepScope openStep(std::string name, StepKind kind);
    bool canUndo() const;
    bool canRedo() const;
    // The names the Edit menu shows ("Undo " + undoName()); empty when there is none.
    std::string undoName() const;
    std::string redoName() const;
    // Takes back (replays) the last (next) step: its texts, the averages and tooltips they
    // govern, and the modified mark of the state reached. The step, or null when none.
    const EditStep* undo();
    const EditStep* redo();
    const EditHistory& history() const { return m_history; }

    // --- Focus ------------------------------------------------------------------------
    // The value field of `item` got the focus: FocusedItem, remark and Edit commands. False (and
    // nothing changed) while a page switch runs.
    bool focusField(int item);
    // The value field lost the focus: commands disabled, remark emptied. False while a page switch
    // runs.
    bool blurField();
    int focusedItem() const { return m_focusedItem; }
    bool fieldHasFocus() const { return m_fieldHasFocus; }
    const std::string& remark() const { return m_remark; }
    const EditCommands& editCommands() const { return m_commands; }
    // What a double-click or Enter on the value field of `item` runs.
    FieldCommand doubleClick(int item) const { return doubleClickCommand(*m_catalogue, item); }
    // The typed key after the field's filter; 0 when dropped.
    int filterKey(int item, int keyCode) const;

    // --- Pages ------------------------------------------------------------------------
    // 0 until the first page is shown, then 1..12.
    int currentPage() const { return m_currentPage; }
    bool pageSwitching() const { return m_pageSwitching; }
    // showPage: shows page 1..12; false when it is already shown or out of range.
    bool showPage(int page, const PageSwitchApply& apply = {});
    // Shows the page of field `item`; false when the page stays.
    bool setPageForItem(int item, const PageSwitchApply& apply = {});
    // Page Up / Page Down (no modifier keys), wrapping between pages 1 and 12.
    bool pageUp(const PageSwitchApply& apply = {});
    bool pageDown(const PageSwitchApply& apply = {});

  private:
    // Tests and benchmarks set a document's texts up directly, as their starting point
    // (tests/support/DocumentTestAccess.h); nothing of the program does.
    friend struct DocumentTestAccess;

    void beginStep(std::string name, StepKind kind);
    void endStep();
    void fillFields(const SettingsFileData& record, bool fillMissing, bool useDefaults);
    FieldChange changeField(int item, std::string_view text);
    // Closes the typing step, keeping it when the field's text changed.
    void finishTyping();
    // Writes one side of a step back into the fields.
    void applyStep(const EditStep& step, bool after);
    void refreshShipTooltip(int setting, int row);

    std::shared_ptr<const Catalogue> m_catalogue;
    std::string m_filePath;
    int m_slotNumber = 0;
    std::string m_fileType;
    bool m_modified = false;
    bool m_loading = false;
    DiskWatch m_disk;
    BackupSession m_backups;
    std::unique_ptr<SettingsFileData> m_record;
    StyledLog m_loadLog;
    bool m_hasLoadErrors = false;

    FieldTexts m_fields;
    FieldTexts m_savedFields;
    std::array<std::string, kFieldCount + 1> m_tooltips{};
    std::array<std::string, kFieldCount + 1> m_tooltipTails{};  // limits text and description

    int m_focusedItem = 0;
    bool m_fieldHasFocus = false;
    std::string m_remark;
    EditCommands m_commands;

    int m_currentPage = 0;
    bool m_pageSwitching = false;

    EditHistory m_history;
    // The field being typed in and its text before the typing began (0: none).
    int m_typingItem = 0;
    std::string m_typingBefore;
    // The operation step between beginStep and endStep: its name, kind, the setting texts
    // and the modified mark before it.
    bool m_stepOpen = false;
    int m_stepDepth = 0;  // beginSteps not yet ended
    EditStep m_openStep;
    std::unique_ptr<FieldTexts> m_stepBefore;
    bool m_stepModifiedBefore = false;
};

}  // namespace tavmir
