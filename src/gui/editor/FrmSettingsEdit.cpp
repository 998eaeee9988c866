#include "editor/FrmSettingsEdit.h"

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
#include "document/SaveFile.h"
#include "editor/EditorCanvas.h"
#include "editor/EditorPages.h"
#include "editor/EditorScrollArea.h"
#include "session/MainModule.h"
#include "settingsfile/SettingsFileReader.h"
#include "widgets/EditorFieldEvents.h"
#include "widgets/FieldAlignment.h"
#include "widgets/ValueField.h"

namespace tavmir::gui {

class FrmSettingsEdit::Impl : public QObject, public EditorFieldEvents {
  public:
    Impl(FrmSettingsEdit& window, GuiContext& context);

    // EditorFieldEvents.
    void fieldFocused(int item) override;
    void fieldBlurred(int item) override;
    void fieldActivated(int item) override;
    void fieldEdited(int item, const QString& text) override;
    void pageKey(bool down) override;
    int filterKey(int item, int code) override;
    void labelClicked(int item, bool doubleClick) override;

    void buildCanvas();
    void applyPageSwitch(int from, int to);
    void showRemark();
    void refreshCaption();
    std::string finishSave(const SaveOutcome& outcome, const SaveState& state);
    PageSwitchApply applier() {
        return [this](int from, int to) { applyPageSwitch(from, to); };
    }

    FrmSettingsEdit& q;
    GuiContext& context;
    EditorDocument document;
    OpenRunFlags ownRunFlags;  // used when no main module runs the open

    EditorScrollArea* scrollArea = nullptr;
    EditorCanvas* p1 = nullptr;
    std::optional<EditorPages> pages;
};

FrmSettingsEdit::Impl::Impl(FrmSettingsEdit& window, GuiContext& ctx)
    : q(window), context(ctx), document(ctx.catalogue) {}

void FrmSettingsEdit::Impl::buildCanvas() {
    auto* layout = new QVBoxLayout(&q);
    layout->setContentsMargins(0, 0, 0, 0);
    scrollArea = new EditorScrollArea(context.preferences, &q);
    layout->addWidget(scrollArea);

    p1 = new EditorCanvas;
    QObject::connect(p1, &EditorCanvas::pageButtonClicked, this,
                     [this](int page) { q.showPage(page); });
    QObject::connect(p1, &EditorCanvas::loadErrorsButtonClicked, this, [this] {
        showLoadErrors(&q, document.loadLog(), fromCore(document.filePath()), &context);
    });
    scrollArea->setWidget(p1);
    pages.emplace(*p1, document, context.preferences, *this);

    // The window sees the page keys before its fields (buttons and the scroll area included).
    for (bool down : {false, true}) {
        auto* shortcut = new QShortcut(QKeySequence(down ? Qt::Key_PageDown : Qt::Key_PageUp), &q);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, this, [this, down] { pageKey(down); });
    }
}

void FrmSettingsEdit::Impl::applyPageSwitch(int from, int to) {
    pages->switchPage(from, to);
    p1->showPageTitle(to);
}

void FrmSettingsEdit::Impl::showRemark() { p1->showRemark(fromCore(document.remark())); }

void FrmSettingsEdit::Impl::refreshCaption() { q.setWindowTitle(fromCore(document.caption())); }

void FrmSettingsEdit::Impl::fieldFocused(int item) {
    if (!document.focusField(item)) return;
    if (ValueField* field = pages->field(item)) field->selectAll();
    showRemark();
    const EditCommands& commands = document.editCommands();
    emit q.editCommandsChanged(commands.editSettingForAllShips, commands.editAlphanumericSetting);
}

void FrmSettingsEdit::Impl::fieldBlurred(int) {
    if (!document.blurField()) return;
    showRemark();
    emit q.editCommandsChanged(false, false);
}

void FrmSettingsEdit::Impl::fieldActivated(int item) {
    switch (document.doubleClick(item)) {
        case FieldCommand::kEditSettingForAllShips:
            emit q.editCommandRequested(true);
            break;
        case FieldCommand::kEditAlphanumericSetting:
            emit q.editCommandRequested(false);
            break;
        case FieldCommand::kNone:
            break;
    }
}

void FrmSettingsEdit::Impl::fieldEdited(int item, const QString& text) {
    const FieldChange change = document.editField(item, toCore(text));
    ValueField* field = pages->field(item);
    // Characters outside Latin-1 (pasted) are kept as the document keeps them.
    const QString kept = fromCore(document.text(item));
    if (field != nullptr && field->text() != kept) {
        const int cursor = field->cursorPosition();
        field->setText(kept);
        field->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
    }
    if (change.averageField != 0) {
        if (ValueField* average = pages->field(change.averageField))
            average->setText(fromCore(document.text(change.averageField)));
    }
    if (change.tooltip) pages->showTooltip(item, fromCore(document.tooltip(item)));
    if (change.remark) showRemark();
    if (change.caption) refreshCaption();
}

void FrmSettingsEdit::Impl::pageKey(bool down) {
    BusyCursor busy;
    if (down)
        document.pageDown(applier());
    else
        document.pageUp(applier());
}

int FrmSettingsEdit::Impl::filterKey(int item, int code) { return document.filterKey(item, code); }

void FrmSettingsEdit::Impl::labelClicked(int item, bool doubleClick) {
    if (ValueField* field = pages->field(item)) field->setFocus(Qt::MouseFocusReason);
    if (doubleClick) fieldActivated(item);
}

std::string FrmSettingsEdit::Impl::finishSave(const SaveOutcome& outcome, const SaveState& state) {
    document.setFileType(state.fileType);
    if (!outcome.ok()) {
        if (outcome.page != 0) q.showPage(outcome.page);
        if (!outcome.errorMessage.empty()) showCritical(&q, fromCore(outcome.errorMessage));
        if (outcome.focusSetting != 0) q.focusItem(outcome.focusSetting);
        if (!outcome.caption.empty()) q.setWindowTitle(fromCore(outcome.caption));
        return outcome.result;
    }
    document.setFilePath(state.filePath);
    document.setModified(state.modified);
    q.setWindowTitle(fromCore(outcome.caption.empty() ? document.caption() : outcome.caption));
    if (outcome.addToRecentFiles && context.mainModule != nullptr)
        context.mainModule->recentFiles().addToFront(state.filePath);
    const QString saved = fromCore(outcome.savedPath.empty() ? state.filePath : outcome.savedPath);
    if (context.showMessage)
        context.showMessage(fromCore(std::string(kFileSavedHeading)), saved,
                            messageTimeMilliseconds(context.preferences.messageTime));
    emit q.fileSaved(saved, outcome.pathChanged);
    return {};
}

// ---------------------------------------------------------------------------------------

FrmSettingsEdit::FrmSettingsEdit(GuiContext& context, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Impl>(*this, context)) {
    setObjectName(QStringLiteral("FrmSettingsEdit"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    d->buildCanvas();
    resize(EditorCanvas::kWidth, EditorCanvas::kHeight);
}

FrmSettingsEdit::~FrmSettingsEdit() = default;

std::string FrmSettingsEdit::filePath() const { return d->document.filePath(); }

bool FrmSettingsEdit::modified() const { return d->document.modified(); }

std::string FrmSettingsEdit::openFile(const std::string& path) {
    std::optional<BusyCursor> busy(std::in_place);
    OpenRunFlags& flags =
        d->context.mainModule != nullptr ? d->context.mainModule->openRun() : d->ownRunFlags;
    const Catalogue& catalogue = *d->context.catalogue;
    const SettingsReader reader = [&catalogue,
                                   batch = flags.batchFileNumber](SettingsFileData& data) {
        ReaderEnvironment env;
        env.batchFileNumber = batch;
        env.longDate = longDateText;
        env.longTime = longTimeText;
        validateSettingsFile(catalogue, data, env);
    };
    const LoadErrorDialog dialog = [this, &busy](const LoadErrorRequest& request) {
        busy.reset();
        return runLoadErrorDialog(this, request, &d->context);
    };
    const OpenOutcome outcome = d->document.openFile(path, reader, flags, dialog);
    busy.reset();
    if (!outcome.message.empty()) showCritical(this, fromCore(outcome.message));
    if (!outcome.loaded()) return outcome.result;

    busy.emplace();
    d->pages->syncAll();
    d->p1->showLoadErrorsButton(d->document.hasLoadErrors());
    d->refreshCaption();
    if (d->context.mainModule != nullptr) d->context.mainModule->recentFiles().addToFront(path);
    busy.reset();
    emit fileLoaded(fromCore(path));
    d->pages->buildRemainingWhenIdle();
    return {};
}

std::string FrmSettingsEdit::saveFile() {
    SaveState state{d->document.filePath(), d->document.fileType(), d->document.modified()};
    SaveOutcome outcome;
    {
        BusyCursor busy;
        outcome = tavmir::saveFile(*d->context.catalogue, d->document.fields(), state);
    }
    return d->finishSave(outcome, state);
}

std::string FrmSettingsEdit::saveFileAs() {
    FileDialogRequest request;
    request.directory = fromCore(d->document.filePath());
    request.filters = qtNameFilters(kSaveAsFilter);
    request.selectedFilter = saveAsFilterIndex(d->document.fileType()) - 1;
    const QString chosen = ui().saveFileName(this, request);
    if (chosen.isEmpty()) return "cancel";
    SaveState state{d->document.filePath(), d->document.fileType(), d->document.modified()};
    SaveOutcome outcome;
    {
        BusyCursor busy;
        outcome = tavmir::saveFileAs(*d->context.catalogue, d->document.fields(), state,
                                     toCore(chosen), request.selectedFilter + 1);
    }
    return d->finishSave(outcome, state);
}

void FrmSettingsEdit::setFilePath(const std::string& path) {
    d->document.setFilePath(path);
    d->refreshCaption();
}

int FrmSettingsEdit::slotNumber() const { return d->document.slotNumber(); }

void FrmSettingsEdit::setSlotNumber(int slot) { d->document.setSlotNumber(slot); }

void FrmSettingsEdit::showPage(int page) {
    if (page == d->document.currentPage() || page < 1 || page > kPageCount) return;
    BusyCursor busy;
    d->document.showPage(page, d->applier());
}

void FrmSettingsEdit::setPageForItem(int item) { d->document.setPageForItem(item, d->applier()); }

int FrmSettingsEdit::currentPage() const { return d->document.currentPage(); }

void FrmSettingsEdit::focusItem(int item) {
    if (item < 1 || item > kFieldCount) return;
    setPageForItem(item);
    ValueField* field = d->pages->field(item);
    if (field == nullptr || !field->isVisibleTo(d->p1)) return;
    d->scrollArea->ensureWidgetVisible(field);
    field->setFocus(Qt::OtherFocusReason);
    // An inactive window takes the focus only when it is activated; the document and the
    // remark line follow at once all the same.
    if (!field->hasFocus()) d->fieldFocused(item);
}

EditorDocument& FrmSettingsEdit::document() { return d->document; }

const EditorDocument& FrmSettingsEdit::document() const { return d->document; }

void FrmSettingsEdit::refreshFromDocument() {
    d->pages->syncAll();
    d->p1->showLoadErrorsButton(d->document.hasLoadErrors());
    d->refreshCaption();
}

void FrmSettingsEdit::applyTextAlign() {
    d->pages->applyAlignment(fieldAlignment(d->context.preferences.textAlign));
}

}  // namespace tavmir::gui
