// Edits that the editor operations hand back to the document instead of writing the value
// fields themselves. The document applies them in order, so a later write to the same field
// wins, and then does its own bookkeeping: per-field change handling for the dialogs that
// behave like typing, or one modified mark and a full Average Ship recomputation for the bulk
// operations (copy, swap, import).
#pragma once

#include <string>
#include <vector>

#include "document/FieldTexts.h"

namespace tavmir {

// Writes each text into its field in order; returns the fields whose text actually changed
// (each once, in the order of their first change).
std::vector<int> applyFieldWrites(FieldTexts& fields, const std::vector<FieldWrite>& writes);

}  // namespace tavmir
