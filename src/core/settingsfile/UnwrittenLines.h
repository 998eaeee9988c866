// What a save drops of a file the reader read. A save writes the catalogue's 961 settings, in
// its own order, and nothing else; of the file as read it keeps only the last line of each
// setting it found and, for the CFG form, the headings of known sections. Everything else
// (unknown sections and keys, comments and other lines that are neither a setting nor a
// heading, the earlier lines of a setting given more than once) is gone after the save.
// Blank lines are layout and are not counted.
#pragma once

#include <string>

#include "settingsfile/SettingsFileData.h"

namespace tavmir {

// The number of lines of the file read into data that a save will not write.
int unwrittenLineCount(const SettingsFileData& data);

// The sentence the load-error dialogs show about them; empty when there are none.
std::string unwrittenLinesNote(int count);

}  // namespace tavmir
