#include "editor/FrmSettingsEdit.h"

#include <QApplication>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#include "BusyCursor.h"
#include "LocalClock.h"
#include "UiServices.h"
#include "app/Preferences.h"
#include "dialogs/LoadErrorDialogs.h"
#include "document/Layout.h"
#include "document/ProblemFixes.h"
#include "document/SaveChecks.h"
#include "document/SaveFile.h"
#include "editor/EditorCanvas.h"
#include "editor/EditorFileWatch.h"
#include "editor/EditorPages.h"
#include "editor/EditorRecovery.h"
#include "editor/EditorScrollArea.h"
#include "session/MainModule.h"
#include "session/SaveRun.h"
#include "settingsfile/SettingsFileReader.h"
#include "settingsfile/UnwrittenLines.h"
#include "widgets/EditorFieldEvents.h"
#include "widgets/FieldAlignment.h"
#include "widgets/ValueField.h"

namespace tavmir::gui {

FrmSettingsEdit::FrmSettingsEdit(GuiContext& context, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_document(context.catalogue),
      m_scrollArea(new EditorScrollArea(context.preferences, this)),
      m_canvas(new EditorCanvas),
      m_fileWatch(new EditorFileWatch(*this, context, m_document, [this] { reloadFromDisk(); })),
      m_pages(*m_canvas, m_document, context, *this) {
    setObjectName(QStringLiteral("FrmSettingsEdit"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    m_scrollArea->setWidget(m_canvas);
    connect(m_canvas, &EditorCanvas::pageButtonClicked, this, &FrmSettingsEdit::showPage);
    connect(m_fileWatch, &EditorFileWatch::saveRequested, this, [this] { saveFile(); });
    connect(m_fileWatch, &EditorFileWatch::fileGone, this, [this] {
        m_document.markFileGone();
        refreshCaption();
        emit historyChanged();
        // Only this editor holds the values now: its journal keeps them.
        emit valuesChanged();
    });
    if (context.recovery)
        new EditorRecovery(*this, *context.recovery, context.journalDelayMilliseconds);
    connect(m_canvas, &EditorCanvas::loadErrorsButtonClicked, this, [this] {
        showLoadErrors(this, m_document.loadLog(), fromCore(m_document.filePath()),
                       unwrittenLineCount(m_document.fileRecord()), &m_context);
    });

    // The window sees the page keys before its fields (buttons and the scroll area included).
    for (bool down : {false, true}) {
        auto* shortcut =
            new QShortcut(QKeySequence(down ? Qt::Key_PageDown : Qt::Key_PageUp), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, down] { pageKey(down); });
    }
    resize(EditorCanvas::kWidth, EditorCanvas::kHeight);
}

FrmSettingsEdit::~FrmSettingsEdit() = default;

PageSwitchApply FrmSettingsEdit::pageSwitcher() {
    return [this](int from, int to) { applyPageSwitch(from, to); };
}

void FrmSettingsEdit::applyPageSwitch(int from, int to) {
    m_pages.switchPage(from, to);
    m_canvas->showPageTitle(to);
}

void FrmSettingsEdit::showRemark() { m_canvas->showRemark(fromCore(m_document.remark())); }

void FrmSettingsEdit::refreshCaption() { setWindowTitle(fromCore(m_document.caption())); }

void FrmSettingsEdit::valuesEdited() {
    m_problemCount = listSaveProblems(m_document.catalogue(), m_document.fields()).size();
    emit valuesChanged();
}

void FrmSettingsEdit::fieldFocused(int item) {
    if (!m_document.focusField(item)) return;
    if (ValueField* field = m_pages.field(item)) field->selectAll();
    showRemark();
    const EditCommands& commands = m_document.editCommands();
    emit editCommandsChanged(commands.editSettingForAllShips, commands.editAlphanumericSetting);
    emit historyChanged();
}

void FrmSettingsEdit::fieldBlurred(int) {
    if (!m_document.blurField()) return;
    showRemark();
    emit editCommandsChanged(false, false);
    emit historyChanged();
}

void FrmSettingsEdit::fieldActivated(int item) {
    switch (m_document.doubleClick(item)) {
        case FieldCommand::EditSettingForAllShips:
            emit editCommandRequested(true);
            break;
        case FieldCommand::EditAlphanumericSetting:
            emit editCommandRequested(false);
            break;
        case FieldCommand::None:
            break;
    }
}

void FrmSettingsEdit::fieldEdited(int item, const QString& text) {
    const FieldChange change = m_document.editField(item, toCore(text));
    ValueField* field = m_pages.field(item);
    // Characters outside Latin-1 (pasted) are kept as the document keeps them.
    const QString kept = fromCore(m_document.text(item));
    if (field != nullptr && field->text() != kept) {
        const int cursor = field->cursorPosition();
        field->setText(kept);
        field->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
    }
    if (change.averageField != 0) {
        if (ValueField* average = m_pages.field(change.averageField))
            average->setText(fromCore(m_document.text(change.averageField)));
    }
    if (change.tooltip) m_pages.showTooltip(item, fromCore(m_document.tooltip(item)));
    if (change.remark) showRemark();
    if (change.caption) refreshCaption();
    emit historyChanged();
    valuesEdited();
}

void FrmSettingsEdit::pageKey(bool down) {
    BusyCursor busy;
    if (down)
        m_document.pageDown(pageSwitcher());
    else
        m_document.pageUp(pageSwitcher());
}

int FrmSettingsEdit::filterKey(int item, int code) { return m_document.filterKey(item, code); }

void FrmSettingsEdit::labelClicked(int item, bool doubleClick) {
    if (ValueField* field = m_pages.field(item)) field->setFocus(Qt::MouseFocusReason);
    if (doubleClick) fieldActivated(item);
}

namespace {

// The save's questions, asked with the normal pointer over the busy one.
class EditorSaveQuestions final : public SaveQuestions {
  public:
    explicit EditorSaveQuestions(QWidget& editor) : m_editor(editor) {}
    bool confirm(const std::string& question) override {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        const bool yes = askYesNo(&m_editor, fromCore(question));
        QApplication::restoreOverrideCursor();
        return yes;
    }

  private:
    QWidget& m_editor;
};

}  // namespace

SaveResult FrmSettingsEdit::save(const SaveChoice& choice) {
    SaveOutcome outcome;
    {
        BusyCursor busy;
        EditorSaveQuestions questions(*this);
        SaveSettings settings;
        settings.keepOriginals = m_context.preferences.keepOriginal != 0;
        settings.keepLines = m_context.preferences.keepLines != 0;
        if (m_context.mainModule != nullptr) settings.recent = &m_context.mainModule->recentFiles();
        outcome = saveDocument(m_document, choice, questions, settings);
    }
    showSaveOutcome(outcome);
    return outcome.result;
}

void FrmSettingsEdit::showSaveOutcome(const SaveOutcome& outcome) {
    if (!outcome.ok()) {
        if (outcome.page != 0) showPage(outcome.page);
        if (!outcome.errorMessage.empty()) showCritical(this, fromCore(outcome.errorMessage));
        if (outcome.focusSetting != 0) focusItem(outcome.focusSetting);
        if (!outcome.caption.empty()) setWindowTitle(fromCore(outcome.caption));
        return;
    }
    // The watcher follows the file (Save As may have chosen another one).
    m_fileWatch->saved();
    emit historyChanged();
    setWindowTitle(fromCore(outcome.caption));
    const QString saved = fromCore(outcome.savedPath);
    if (m_context.showMessage)
        m_context.showMessage(fromCore(std::string(kFileSavedHeading)), saved,
                              messageTimeMilliseconds(m_context.preferences.messageTime));
    emit fileSaved(saved, outcome.pathChanged);
}

std::string FrmSettingsEdit::filePath() const { return m_document.filePath(); }

bool FrmSettingsEdit::modified() const { return m_document.modified(); }

OpenResult FrmSettingsEdit::openFile(const std::string& path) {
    const auto recovered = m_context.recoveredFiles.find(path);
    return openFile(
        path, recovered != m_context.recoveredFiles.end() ? recovered->second : SettingsReader());
}

OpenResult FrmSettingsEdit::openFile(const std::string& path, const SettingsReader& given) {
    std::optional<BusyCursor> busy(std::in_place);
    OpenRunFlags& flags =
        m_context.mainModule != nullptr ? m_context.mainModule->openRun() : m_ownRunFlags;
    const Catalogue& catalogue = *m_context.catalogue;
    const SettingsReader reader =
        given ? given : [&catalogue, batch = flags.batchFileNumber](SettingsFileData& data) {
            ReaderEnvironment env;
            env.batchFileNumber = batch;
            env.longDate = longDateText;
            env.longTime = longTimeText;
            validateSettingsFile(catalogue, data, env);
        };
    const LoadErrorDialog dialog = [this, &busy](const LoadErrorRequest& request) {
        busy.reset();
        return runLoadErrorDialog(this, request, &m_context);
    };
    const OpenOutcome outcome = m_document.openFile(path, reader, flags, dialog);
    busy.reset();
    if (!outcome.message.empty()) showCritical(this, fromCore(outcome.message));
    if (!outcome.loaded()) return outcome.result;

    busy.emplace();
    m_pages.syncAll();
    m_canvas->showLoadErrorsButton(m_document.hasLoadErrors());
    refreshCaption();
    if (m_context.mainModule != nullptr) m_context.mainModule->recentFiles().addToFront(path);
    m_fileWatch->opened();
    busy.reset();
    emit fileLoaded(fromCore(path));
    emit historyChanged();
    valuesEdited();
    if (outcome.showProblems) emit problemsRequested();
    m_pages.buildRemainingWhenIdle();
    return OpenResult::Loaded;
}

SaveResult FrmSettingsEdit::saveFile() { return save(SaveChoice{}); }

SaveResult FrmSettingsEdit::saveFileAs() {
    FileDialogRequest request;
    request.directory = fromCore(m_document.filePath());
    request.filters = qtNameFilters(kSaveAsFilter);
    request.selectedFilter = saveAsFilterIndex(m_document.fileType()) - 1;
    const QString chosen = ui().saveFileName(this, request);
    if (chosen.isEmpty()) return SaveResult::Cancelled;
    SaveChoice choice;
    choice.saveAs = true;
    choice.chosenPath = toCore(chosen);
    choice.filterIndex = request.selectedFilter + 1;
    return save(choice);
}

void FrmSettingsEdit::setFilePath(const std::string& path) {
    m_document.setFilePath(path);
    refreshCaption();
}

int FrmSettingsEdit::slotNumber() const { return m_document.slotNumber(); }

void FrmSettingsEdit::setSlotNumber(int slot) { m_document.setSlotNumber(slot); }

void FrmSettingsEdit::showPage(int page) {
    if (page == m_document.currentPage() || page < 1 || page > kPageCount) return;
    BusyCursor busy;
    m_document.showPage(page, pageSwitcher());
}

void FrmSettingsEdit::setPageForItem(int item) { m_document.setPageForItem(item, pageSwitcher()); }

int FrmSettingsEdit::currentPage() const { return m_document.currentPage(); }

void FrmSettingsEdit::focusItem(int item) {
    if (item < 1 || item > kFieldCount) return;
    setPageForItem(item);
    ValueField* field = m_pages.field(item);
    if (field == nullptr || !field->isVisibleTo(m_canvas)) return;
    m_scrollArea->ensureWidgetVisible(field);
    field->setFocus(Qt::OtherFocusReason);
    // An inactive window takes the focus only when it is activated; the document and the
    // remark line follow at once all the same.
    if (!field->hasFocus()) fieldFocused(item);
}

EditorDocument& FrmSettingsEdit::document() { return m_document; }

const EditorDocument& FrmSettingsEdit::document() const { return m_document; }

void FrmSettingsEdit::refreshFromDocument() {
    m_pages.syncAll();
    m_canvas->showLoadErrorsButton(m_document.hasLoadErrors());
    refreshCaption();
    emit historyChanged();
    valuesEdited();
}

void FrmSettingsEdit::applyFixes(const std::vector<FieldWrite>& writes) {
    if (writes.empty()) return;
    {
        BusyCursor busy;
        m_document.applyWrites(std::string(kFixProblemsStep), StepKind::Bulk, writes);
    }
    refreshFromDocument();
}

void FrmSettingsEdit::undoStep(bool forward) {
    int item = 0;
    {
        BusyCursor busy;
        const EditStep* step = forward ? m_document.redo() : m_document.undo();
        if (step == nullptr) return;
        if (!step->empty()) item = step->item(0);
        m_pages.syncAll();
        refreshCaption();
    }
    // Where the step acted, as an editor shows the place of an undone change.
    focusItem(item);
    showRemark();
    emit historyChanged();
    valuesEdited();
}

void FrmSettingsEdit::checkFileOnDisk() { m_fileWatch->check(); }

void FrmSettingsEdit::reloadFromDisk() {
    // As a single file chosen alone: the load-error dialog is asked afresh.
    OpenRunFlags& flags =
        m_context.mainModule != nullptr ? m_context.mainModule->openRun() : m_ownRunFlags;
    flags.moreFilesFollow = false;
    flags.continueAll = false;
    flags.cancelAll = false;
    flags.batchFileNumber = -1;
    openFile(m_document.filePath());
}

void FrmSettingsEdit::showRemarkText(const QString& text) { m_canvas->showRemark(text); }

void FrmSettingsEdit::applyTextAlign() {
    m_pages.applyAlignment(fieldAlignment(m_context.preferences.textAlign));
}

}  // namespace tavmir::gui
