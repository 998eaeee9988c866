#include "document/EditorDocument.h"

#include "catalogue/StartupTables.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "document/Averages.h"
#include "document/Layout.h"
#include "document/SaveChecks.h"
#include "settingsfile/UnwrittenLines.h"

namespace tavmir {
namespace {

std::string notSettingsFileMessage(const std::string& path) {
    return paragraphs(
        {"File is not in CFG or SET format:" + std::string(kCrLf) + path, "Open cancelled"});
}

// The reader keeps a FileType it decided earlier when it then fails, and a read that
// broke off in the middle has a FileType but only part of the values. Both are refused:
// filling fields from them would lose the settings that were not read.
bool readCompletely(const SettingsFileData& record) {
    if (record.fileType != "CFG" && record.fileType != "SET") return false;
    return record.status != ReadStatus::ReadFailed && record.status != ReadStatus::Empty &&
           record.status != ReadStatus::UnknownForm;
}

// Whether the values the open would give the fields, with either choice for the settings the
// file lacks, hold a problem that stops the save: the load-error dialog then offers to list
// them.
bool stopsTheSave(const Catalogue& catalogue, const SettingsFileData& record, bool missing) {
    auto texts = std::make_unique<FieldTexts>();
    for (const bool defaults : {true, false}) {
        for (int i = 1; i <= kSettingCount; ++i) {
            const auto n = static_cast<std::size_t>(i);
            (*texts)[i] = !missing || record.found[n] ? fitToField(catalogue, i, record.values[n])
                          : defaults ? fitToField(catalogue, i, catalogue[i].defaultValue)
                                     : std::string();
        }
        if (!listSaveProblems(catalogue, *texts).empty()) return true;
        if (!missing) break;
    }
    return false;
}

// Clears a flag on every way out, so a page switch never leaves focus handling disabled.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& m_flag;
};

}  // namespace

EditorDocument::EditorDocument(std::shared_ptr<const Catalogue> catalogue)
    : m_catalogue(std::move(catalogue)), m_record(std::make_unique<SettingsFileData>()) {
    for (int i = 1; i <= kFieldCount; ++i) {
        // The limits text and description follow every annotation of a ship setting.
        m_tooltipTails[static_cast<std::size_t>(i)] = loadTooltip(*m_catalogue, i);
        m_tooltips[static_cast<std::size_t>(i)] = m_tooltipTails[static_cast<std::size_t>(i)];
    }
}

std::string EditorDocument::caption() const { return m_modified ? m_filePath + " *" : m_filePath; }

const std::string& EditorDocument::tooltip(int item) const {
    static const std::string kNone;
    return item >= 1 && item <= kFieldCount ? m_tooltips[static_cast<std::size_t>(item)] : kNone;
}

OpenOutcome EditorDocument::openFile(const std::string& path, const SettingsReader& reader,
                                     OpenRunFlags& flags, const LoadErrorDialog& dialog) {
    // Read into a fresh record and log: the document changes only once the file is accepted.
    auto record = std::make_unique<SettingsFileData>();
    StyledLog log;
    record->fileName = path;
    record->options = 0;
    record->log = &log;
    if (reader) reader(*record);
    record->log = nullptr;

    if (!readCompletely(*record)) return {OpenResult::Refused, notSettingsFileMessage(path)};

    trimLoadLog(log);
    const bool hasErrors = record->errorCount != 0 || record->warningCount != 0;
    const bool settingsMissing = record->foundCount < kSettingCount;
    bool fillMissing = false;
    bool showProblems = false;
    if (hasErrors) {
        flags.showMissingChoice = settingsMissing;
        if (flags.continueAll) {
            fillMissing = true;
        } else {
            LoadErrorRequest request = prepareLoadErrorDialog(flags, path, log);
            request.unwrittenLines = unwrittenLineCount(*record);
            request.offerProblems = stopsTheSave(*m_catalogue, *record, settingsMissing);
            // Without a dialog to ask, a file with errors is not opened.
            const LoadErrorAnswer answer = dialog ? dialog(request) : LoadErrorAnswer{};
            applyLoadErrorAnswer(flags, answer);
            showProblems = answer.button == LoadErrorButton::ShowProblems;
            if (flags.cancelAll || flags.loadDecision == LoadDecision::Cancel)
                return {OpenResult::Refused, {}};
            fillMissing = settingsMissing;
        }
    }

    m_modified = false;
    m_fileType = record->fileType;
    fillFields(*record, fillMissing, flags.loadDecision == LoadDecision::Defaults);
    m_savedFields = m_fields;
    m_hasLoadErrors = hasErrors;
    m_loadLog = std::move(log);
    m_record = std::move(record);
    m_record->log = &m_loadLog;
    calculateAverageShipPage();
    // A new file starts a new history; its clean state keeps the mark of values the open
    // filled in or cut, which the file on disk does not have.
    m_typingItem = 0;
    m_stepOpen = false;
    m_stepDepth = 0;
    m_history.reset(m_modified);
    m_disk.remember(m_record->readIdentity);
    m_backups.start();
    OpenOutcome loaded;
    loaded.showProblems = showProblems;
    return loaded;
}

void EditorDocument::fillFields(const SettingsFileData& record, bool fillMissing,
                                bool useDefaults) {
    m_loading = true;
    for (int i = 1; i <= kSettingCount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (!fillMissing || record.found[n]) {
            m_fields[i] = fitToField(*m_catalogue, i, record.values[n]);
            // A value cut to its field's length differs from the file: saving would change it.
            if (m_fields[i] != record.values[n]) m_modified = true;
        } else {
            m_modified = true;
            m_fields[i] = useDefaults ? fitToField(*m_catalogue, i, (*m_catalogue)[i].defaultValue)
                                      : std::string{};
        }
    }
    m_loading = false;
}

FieldChange EditorDocument::editField(int item, std::string_view text) {
    if (item < 1 || item > kFieldCount) return {};
    if (!m_loading && !m_stepOpen && item <= kSettingCount && item != m_typingItem) {
        finishTyping();
        m_typingItem = item;
        m_typingBefore = m_fields[item];
    }
    return changeField(item, text);
}

FieldChange EditorDocument::changeField(int item, std::string_view text) {
    FieldChange change;
    m_fields[item] = fitToField(*m_catalogue, item, text);
    if (m_loading) return change;

    if (shipOfItem(*m_catalogue, item) != 0) {
        const int row = shipRowOfItem(*m_catalogue, item);
        if (row != 0) {
            recalculateRow(m_fields, row);
            change.averageField = shipTable(row, kAverageColumn);
            // Only this item's annotation follows at once; the row's other seven ships
            // keep theirs until the next full recomputation.
            refreshShipTooltip(item, row);
            m_remark = m_tooltips[static_cast<std::size_t>(item)];
            change.tooltip = true;
            change.remark = true;
        }
    }
    m_modified = true;
    change.caption = true;
    return change;
}

void EditorDocument::refreshShipTooltip(int setting, int row) {
    m_tooltips[static_cast<std::size_t>(setting)] =
        averageAnnotation(m_fields[setting], m_fields[shipTable(row, kAverageColumn)]) +
        m_tooltipTails[static_cast<std::size_t>(setting)];
}

void EditorDocument::calculateAverageShipPage() {
    m_loading = true;
    // Row by row, reading each text once: the same averages and annotations as row
    // recomputation followed by one annotation per ship, at a fraction of the cost.
    for (int r = 1; r <= kShipRows; ++r) {
        std::array<double, kShipCount> values{};
        double sum = 0;
        for (int c = 0; c < kShipCount; ++c) {
            values[static_cast<std::size_t>(c)] = shipValue(m_fields[shipTable(r, c)]);
            sum += values[static_cast<std::size_t>(c)];
        }
        std::string& averageText = m_fields[shipTable(r, kAverageColumn)];
        averageText = averageTextOfSum(sum);
        const double average = numberValue(averageText).value_or(0.0);
        for (int c = 0; c < kShipCount; ++c) {
            const int item = shipTable(r, c);
            std::string& tip = m_tooltips[static_cast<std::size_t>(item)];
            tip.clear();
            appendAverageAnnotation(tip, values[static_cast<std::size_t>(c)], average, averageText);
            tip += m_tooltipTails[static_cast<std::size_t>(item)];
        }
    }
    m_loading = false;
}

bool EditorDocument::focusField(int item) {
    if (m_pageSwitching) return false;
    if (item != m_typingItem) finishTyping();
    m_focusedItem = item;
    m_fieldHasFocus = true;
    m_remark = focusRemark(*m_catalogue, m_fields, item, m_currentPage);
    m_commands = editCommandsFor(*m_catalogue, item);
    return true;
}

bool EditorDocument::blurField() {
    if (m_pageSwitching) return false;
    finishTyping();
    m_fieldHasFocus = false;
    m_commands = {};
    m_remark.clear();
    return true;
}

int EditorDocument::filterKey(int item, int keyCode) const {
    return filterFieldKey(*m_catalogue, item, m_currentPage, keyCode);
}

bool EditorDocument::showPage(int page, const PageSwitchApply& apply) {
    if (page == m_currentPage || page < 1 || page > kPageCount) return false;
    {
        FlagScope switching(m_pageSwitching);
        if (apply) apply(m_currentPage, page);
        m_currentPage = page;
    }
    return true;
}

bool EditorDocument::setPageForItem(int item, const PageSwitchApply& apply) {
    const std::optional<int> page = pageForItem(*m_catalogue, item);
    return page && showPage(*page, apply);
}

bool EditorDocument::pageUp(const PageSwitchApply& apply) {
    return showPage(tavmir::pageUp(m_currentPage), apply);
}

bool EditorDocument::pageDown(const PageSwitchApply& apply) {
    return showPage(tavmir::pageDown(m_currentPage), apply);
}

// ---- History ----

void EditorDocument::finishTyping() {
    if (m_typingItem == 0) return;
    const int item = m_typingItem;
    m_typingItem = 0;
    if (m_fields[item] != m_typingBefore) {
        EditStep step;
        step.name = (*m_catalogue)[item].key;
        step.kind = StepKind::Typed;
        step.add(item, m_typingBefore, m_fields[item]);
        m_history.record(std::move(step));
    }
    // Typed and typed back leaves no step; the mark stays set, as after any typing.
    m_typingBefore.clear();
}

EditorDocument::StepScope EditorDocument::openStep(std::string name, StepKind kind) {
    beginStep(std::move(name), kind);
    return StepScope(*this);
}

int EditorDocument::applyWrites(std::string stepName, StepKind kind,
                                const std::vector<FieldWrite>& writes) {
    int applied = 0;
    const StepScope step = openStep(std::move(stepName), kind);
    if (kind == StepKind::Typed) {
        for (const FieldWrite& w : writes) {
            if (w.field < 1 || w.field > kSettingCount) continue;
            editField(w.field, w.text);
            ++applied;
        }
        return applied;
    }
    for (const FieldWrite& w : writes) {
        if (w.field < 1 || w.field > kSettingCount) continue;
        m_fields[w.field] = fitToField(*m_catalogue, w.field, w.text);
        ++applied;
    }
    m_modified = true;
    calculateAverageShipPage();
    return applied;
}

void EditorDocument::beginStep(std::string name, StepKind kind) {
    // Inside a step already open (a dialog's session around its write-backs) the writes
    // join that step.
    if (m_stepOpen) {
        ++m_stepDepth;
        return;
    }
    finishTyping();
    m_stepOpen = true;
    m_stepDepth = 1;
    m_openStep = EditStep{};
    m_openStep.name = std::move(name);
    m_openStep.kind = kind;
    if (!m_stepBefore) m_stepBefore = std::make_unique<FieldTexts>();
    for (int i = 1; i <= kSettingCount; ++i) (*m_stepBefore)[i] = m_fields[i];
    m_stepModifiedBefore = m_modified;
}

void EditorDocument::endStep() {
    if (!m_stepOpen || --m_stepDepth > 0) return;
    m_stepOpen = false;
    for (int i = 1; i <= kSettingCount; ++i)
        if ((*m_stepBefore)[i] != m_fields[i]) m_openStep.add(i, (*m_stepBefore)[i], m_fields[i]);
    if (!m_openStep.empty() || m_modified != m_stepModifiedBefore)
        m_history.record(std::move(m_openStep));
    m_openStep = {};
}

bool EditorDocument::canUndo() const {
    return (m_typingItem != 0 && m_fields[m_typingItem] != m_typingBefore) || m_history.canUndo();
}

bool EditorDocument::canRedo() const {
    // Typing that is still going on drops what was undone once it is kept.
    if (m_typingItem != 0 && m_fields[m_typingItem] != m_typingBefore) return false;
    return m_history.canRedo();
}

std::string EditorDocument::undoName() const {
    if (m_typingItem != 0 && m_fields[m_typingItem] != m_typingBefore)
        return (*m_catalogue)[m_typingItem].key;
    return std::string(m_history.undoName());
}

std::string EditorDocument::redoName() const {
    return canRedo() ? std::string(m_history.redoName()) : std::string();
}

void EditorDocument::applyStep(const EditStep& step, bool after) {
    if (step.kind == StepKind::Typed) {
        for (std::size_t i = 0; i < step.size(); ++i)
            changeField(step.item(i), after ? step.after(i) : step.before(i));
    } else {
        for (std::size_t i = 0; i < step.size(); ++i)
            m_fields[step.item(i)] = after ? step.after(i) : step.before(i);
        calculateAverageShipPage();
    }
    m_modified = m_history.modified();
}

const EditStep* EditorDocument::undo() {
    if (m_stepOpen) return nullptr;  // not while an operation writes
    finishTyping();
    const EditStep* step = m_history.undo();
    if (step != nullptr) applyStep(*step, false);
    return step;
}

const EditStep* EditorDocument::redo() {
    if (m_stepOpen) return nullptr;
    finishTyping();
    const EditStep* step = m_history.redo();
    if (step != nullptr) applyStep(*step, true);
    return step;
}

void EditorDocument::markFileGone() {
    m_modified = true;
    m_history.forgetClean();
}

void EditorDocument::markSaved() {
    finishTyping();
    m_modified = false;
    m_history.markSaved();
    m_savedFields = m_fields;
}

}  // namespace tavmir
