#include "operations/DocumentEdits.h"

#include <utility>

#include "document/Layout.h"

namespace tavmir {
namespace {

bool isSettingField(int field) { return field >= 1 && field <= kSettingCount; }

}  // namespace

int applyTypedWrites(EditorDocument& document, const std::vector<FieldWrite>& writes,
                     std::string stepName) {
    int applied = 0;
    document.beginStep(std::move(stepName), StepKind::Typed);
    for (const FieldWrite& w : writes) {
        if (!isSettingField(w.field)) continue;
        document.editField(w.field, w.text);
        ++applied;
    }
    document.endStep();
    return applied;
}

int applyBulkWrites(EditorDocument& document, const std::vector<FieldWrite>& writes,
                    std::string stepName) {
    int applied = 0;
    document.beginStep(std::move(stepName), StepKind::Bulk);
    document.setLoading(true);
    for (const FieldWrite& w : writes) {
        if (!isSettingField(w.field)) continue;
        document.fields()[w.field] = fitToField(document.catalogue(), w.field, w.text);
        ++applied;
    }
    document.setLoading(false);
    document.setModified(true);
    document.calculateAverageShipPage();
    document.endStep();
    return applied;
}

bool importChangesField(const EditorDocument& document, const TransferRecord& record) {
    if (!isSettingField(record.item)) return false;
    return fitToField(document.catalogue(), record.item, record.value) !=
           document.text(record.item);
}

}  // namespace tavmir
