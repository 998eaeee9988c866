#include "operations/DocumentEdits.h"

#include "document/Layout.h"

namespace tavmir {
namespace {

bool isSettingField(int field) { return field >= 1 && field <= kSettingCount; }

}  // namespace

bool importChangesField(const EditorDocument& document, const TransferRecord& record) {
    if (!isSettingField(record.item)) return false;
    return fitToField(document.catalogue(), record.item, record.value) !=
           document.text(record.item);
}

}  // namespace tavmir
