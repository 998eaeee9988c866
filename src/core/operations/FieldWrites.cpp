#include "operations/FieldWrites.h"

#include <algorithm>

namespace tavmir {

std::vector<int> applyFieldWrites(FieldTexts& fields, const std::vector<FieldWrite>& writes) {
    std::vector<int> changed;
    for (const FieldWrite& w : writes) {
        if (w.field < 1 || w.field > kSettingCount) continue;
        std::string& text = fields[w.field];
        if (text == w.text) continue;
        text = w.text;
        if (std::find(changed.begin(), changed.end(), w.field) == changed.end())
            changed.push_back(w.field);
    }
    return changed;
}

}  // namespace tavmir
