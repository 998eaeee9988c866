// Findings as the lines that editors and CI tools read from compilers, in the form of the GNU
// Coding Standards: "FILE:LINE: error: TEXT", or "FILE: error: TEXT" for a finding about no one
// line ("warning" for warnings). Vim's default 'errorformat', Emacs' compilation mode and CI
// problem matchers take them as they are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settingsfile/SettingsFileData.h"

namespace tavmir {

// One line per finding, each ending in LF. When the file had more findings than were listed
// (`counted`, errors and warnings), a closing "FILE: note: " line says so. The file's name and
// the findings' texts are written as printableText shows them, so that bytes of a binary file
// can neither end a line early nor drive the terminal.
std::string gnuLines(std::string_view file, const std::vector<Finding>& findings,
                     std::size_t counted);

}  // namespace tavmir
