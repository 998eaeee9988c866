// A test's or benchmark's way to give an editor document the texts it starts from: written
// straight into the fields, with no step of the history and no modified mark, then the
// averages recomputed, as if a file holding them had been opened.
#pragma once

#include "document/EditorDocument.h"

namespace tavmir {

struct DocumentTestAccess {
    static FieldTexts& fields(EditorDocument& document) { return document.m_fields; }
    static void setModified(EditorDocument& document, bool modified) {
        document.m_modified = modified;
    }
};

namespace test {

// Sets field `item` (or each of a list) to its text, then recomputes the averages.
template <typename Writes>
void setTexts(EditorDocument& document, const Writes& writes) {
    for (const auto& [item, text] : writes) DocumentTestAccess::fields(document)[item] = text;
    document.calculateAverageShipPage();
}

}  // namespace test
}  // namespace tavmir
