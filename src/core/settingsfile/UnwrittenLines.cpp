#include "settingsfile/UnwrittenLines.h"

#include <algorithm>

namespace tavmir {

int unwrittenLineCount(const SettingsFileData& data) {
    // Each setting found is written once, from its last line; known headings are written too.
    return std::max(0, data.contentLines - data.sectionLines - data.foundCount);
}

std::string unwrittenLinesNote(int count) {
    if (count <= 0) return {};
    std::string text = "A save will not write " + std::to_string(count);
    text += count == 1 ? " line" : " lines";
    text +=
        " of this file: unknown sections and keys, lines that are no setting, repeated "
        "settings";
    return text;
}

}  // namespace tavmir
