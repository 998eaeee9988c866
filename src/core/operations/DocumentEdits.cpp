#include "operations/DocumentEdits.h"

#include "document/Layout.h"

namespace tavmir {
namespace {

bool isSettingField(int field) { return field >= 1 && field <= kSettingCount; }

}  // namespace

int applyTypedWrites(EditorDocument& document, const std::vector<FieldWrite>& writes) {
    int applied = 0;
    for (const FieldWrite& w : writes) {
        if (!isSettingField(w.field)) continue;
        document.editField(w.field, w.text);
        ++applied;
    }
    return applied;
}

int applyBulkWrites(EditorDocument& document, const std::vector<FieldWrite>& writes) {
    int applied = 0;
    document.setLoading(true);
    for (const FieldWrite& w : writes) {
        if (!isSettingField(w.field)) continue;
        document.fields()[w.field] = fitToField(document.catalogue(), w.field, w.text);
        ++applied;
    }
    document.setLoading(false);
    document.setModified(true);
    document.calculateAverageShipPage();
    return applied;
}

bool importChangesField(const EditorDocument& document, const TransferRecord& record) {
    if (!isSettingField(record.item)) return false;
    return fitToField(document.catalogue(), record.item, record.value) !=
           document.text(record.item);
}

}  // namespace tavmir
