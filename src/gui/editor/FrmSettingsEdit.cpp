#include "editor/FrmSettingsEdit.h"

#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "BusyCursor.h"
#include "LocalClock.h"
#include "UiServices.h"
#include "app/Preferences.h"
#include "dialogs/LoadErrorDialogs.h"
#include "document/Layout.h"
#include "document/SaveFile.h"
#include "editor/EditorCanvas.h"
#include "editor/EditorScrollArea.h"
#include "session/MainModule.h"
#include "settingsfile/SettingsFileReader.h"
#include "widgets/EditorFieldEvents.h"
#include "widgets/FieldAlignment.h"
#include "widgets/FieldLabel.h"
#include "widgets/ValueField.h"

namespace tavmir::gui {
namespace {

constexpr int kPageTop = EditorCanvas::kPageTop;
constexpr int kPageHeight = EditorCanvas::kPageBottom - kPageTop;
constexpr int kFieldHeight = 19;
constexpr int kLabelHeight = 17;
// The classic flat look for the cells: a page repaints 190 of them at every switch, and the
// plain sunken frame costs a fraction of the default style's shaded one.
QStyle* fieldStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (s != nullptr) s->setParent(qApp);
        return s;
    }();
    return style;
}

}  // namespace

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
    QWidget* pageContainer(int page);
    // Builds the pages not visited yet, one per turn of the event loop once it is idle, so a
    // later page switch only shows a container (a first visit would also build it).
    void buildRemainingPagesWhenIdle();
    void applyPageSwitch(int from, int to);
    void syncPage(int page);
    void syncAllBuilt();
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
    std::array<QWidget*, kPageCount + 1> pages{};
    std::array<ValueField*, kFieldCount + 1> text1{};
    std::array<FieldLabel*, kFieldCount + 1> label1{};
    std::vector<int> tabIndexes;
};

FrmSettingsEdit::Impl::Impl(FrmSettingsEdit& window, GuiContext& ctx)
    : q(window), context(ctx), document(ctx.catalogue) {
    tabIndexes = fieldTabIndexes(*context.catalogue);
}

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

    // The window sees the page keys before its fields (buttons and the scroll area included).
    for (bool down : {false, true}) {
        auto* shortcut = new QShortcut(QKeySequence(down ? Qt::Key_PageDown : Qt::Key_PageUp), &q);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, this, [this, down] { pageKey(down); });
    }
}

void FrmSettingsEdit::Impl::buildRemainingPagesWhenIdle() {
    QTimer::singleShot(0, &q, [this] {
        // A closed (hidden, about to be deleted) editor builds nothing more.
        if (!q.isVisible()) return;
        for (int page = 1; page <= kPageCount; ++page) {
            if (pages[static_cast<std::size_t>(page)] != nullptr) continue;
            pageContainer(page);
            buildRemainingPagesWhenIdle();
            return;
        }
    });
}

QWidget* FrmSettingsEdit::Impl::pageContainer(int page) {
    QWidget*& container = pages[static_cast<std::size_t>(page)];
    if (container != nullptr) return container;

    container = new QWidget(p1);
    container->setObjectName(QStringLiteral("page_%1").arg(page));
    container->setGeometry(0, kPageTop, EditorCanvas::kWidth, kPageHeight);
    container->hide();

    // Widgets are made in tab order: Qt's keyboard order within the page is creation order.
    std::vector<int> items = pageFields(page);
    std::stable_sort(items.begin(), items.end(), [this](int a, int b) {
        return tabIndexes[static_cast<std::size_t>(a)] < tabIndexes[static_cast<std::size_t>(b)];
    });
    const Catalogue& catalogue = *context.catalogue;
    const Qt::Alignment align = fieldAlignment(context.preferences.textAlign);
    QStyle* style = fieldStyle();
    QPalette averagePalette;
    averagePalette.setColor(QPalette::Base, QColor(232, 232, 232));
    // Labels a little smaller than the values, so the long setting names fit their boxes.
    QFont labelFont = p1->font();
    labelFont.setPixelSize(10);
    for (int item : items) {
        const FieldPlacement place = fieldPlacement(catalogue, item);
        const QString tip = fromCore(document.tooltip(item));

        auto* label = new FieldLabel(item, *this, container);
        label->setObjectName(QStringLiteral("Label1_%1").arg(item));
        label->setText(fromCore(labelCaption(catalogue, item)));
        label->setGeometry(place.label.x, place.label.y - kPageTop, kLabelWidth, kLabelHeight);
        label->setContentsMargins(labelTextIndent(place), 0, 0, 0);
        label->setFont(labelFont);
        label->setToolTip(tip);

        auto* field = new ValueField(item, *this, container);
        field->setObjectName(QStringLiteral("Text1_%1").arg(item));
        const int maxLength = fieldMaxLength(catalogue, item);
        if (maxLength > 0) field->setMaxLength(maxLength);
        field->setGeometry(place.field.x, place.field.y - kPageTop, kFieldWidth, kFieldHeight);
        field->setAlignment(align);
        if (style != nullptr) {
            field->setStyle(style);
            label->setStyle(style);
        }
        field->setText(fromCore(document.text(item)));
        field->setCursorPosition(0);
        field->setToolTip(tip);
        if (isAverageField(item)) {
            field->setReadOnly(true);
            field->setPalette(averagePalette);
        }
        label1[static_cast<std::size_t>(item)] = label;
        text1[static_cast<std::size_t>(item)] = field;
    }
    // Fields above every label: a label box may reach under the field of the column to its
    // left, and the field must stay whole.
    for (int item : items) text1[static_cast<std::size_t>(item)]->raise();
    return container;
}

void FrmSettingsEdit::Impl::applyPageSwitch(int from, int to) {
    QWidget* next = pageContainer(to);
    syncPage(to);
    // Hide first: a focused field of the old page hands the focus on along the keyboard
    // order, which must not land on a field of the new page unasked.
    if (from >= 1 && from <= kPageCount && pages[static_cast<std::size_t>(from)] != nullptr)
        pages[static_cast<std::size_t>(from)]->hide();
    next->show();
    p1->showPageTitle(to);
}

// Brings the widgets of a built page up to the document: operations outside the window
// (copy, swap, import, edit for all ships) write the document's texts directly.
void FrmSettingsEdit::Impl::syncPage(int page) {
    if (pages[static_cast<std::size_t>(page)] == nullptr) return;
    for (int item : pageFields(page)) {
        const auto n = static_cast<std::size_t>(item);
        if (text1[n] == nullptr) continue;
        const QString text = fromCore(document.text(item));
        if (text1[n]->text() != text) {
            text1[n]->setText(text);
            text1[n]->setCursorPosition(0);
        }
        const QString tip = fromCore(document.tooltip(item));
        if (text1[n]->toolTip() != tip) {
            text1[n]->setToolTip(tip);
            label1[n]->setToolTip(tip);
        }
    }
}

void FrmSettingsEdit::Impl::syncAllBuilt() {
    for (int page = 1; page <= kPageCount; ++page) syncPage(page);
}

void FrmSettingsEdit::Impl::showRemark() { p1->showRemark(fromCore(document.remark())); }

void FrmSettingsEdit::Impl::refreshCaption() { q.setWindowTitle(fromCore(document.caption())); }

void FrmSettingsEdit::Impl::fieldFocused(int item) {
    if (!document.focusField(item)) return;
    ValueField* field = text1[static_cast<std::size_t>(item)];
    if (field != nullptr) field->selectAll();
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
    ValueField* field = text1[static_cast<std::size_t>(item)];
    // Characters outside Latin-1 (pasted) are kept as the document keeps them.
    const QString kept = fromCore(document.text(item));
    if (field != nullptr && field->text() != kept) {
        const int cursor = field->cursorPosition();
        field->setText(kept);
        field->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
    }
    if (change.averageField != 0) {
        ValueField* average = text1[static_cast<std::size_t>(change.averageField)];
        if (average != nullptr) average->setText(fromCore(document.text(change.averageField)));
    }
    if (change.tooltip) {
        const QString tip = fromCore(document.tooltip(item));
        if (field != nullptr) field->setToolTip(tip);
        if (FieldLabel* label = label1[static_cast<std::size_t>(item)]) label->setToolTip(tip);
    }
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
    if (ValueField* field = text1[static_cast<std::size_t>(item)])
        field->setFocus(Qt::MouseFocusReason);
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

FrmSettingsEdit::~FrmSettingsEdit() {
    // The fields report focus changes while they are destroyed; delete them first.
    for (QWidget* page : d->pages) delete page;
    d->pages = {};
    d->text1 = {};
    d->label1 = {};
}

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
    d->syncAllBuilt();
    d->p1->showLoadErrorsButton(d->document.hasLoadErrors());
    d->refreshCaption();
    if (d->context.mainModule != nullptr) d->context.mainModule->recentFiles().addToFront(path);
    busy.reset();
    emit fileLoaded(fromCore(path));
    d->buildRemainingPagesWhenIdle();
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
    ValueField* field = d->text1[static_cast<std::size_t>(item)];
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
    d->syncAllBuilt();
    d->p1->showLoadErrorsButton(d->document.hasLoadErrors());
    d->refreshCaption();
}

void FrmSettingsEdit::applyTextAlign() {
    const Qt::Alignment align = fieldAlignment(d->context.preferences.textAlign);
    for (ValueField* field : d->text1)
        if (field != nullptr) field->setAlignment(align);
}

}  // namespace tavmir::gui
