// The cases of the tables of writes into a file's own lines: the command line's --set and --fix
// on one file ($D/a.cfg holding the given bytes), and an editor's Save with the KeepLines
// preference on.
#pragma once

#include <string>

namespace tavmir::test {

// command: "set A;B" (assignments "Section:Key=Value" separated by ";"), "dry A;B", "fix" or
// "dry-fix". Answer: a refused assignment's message, or the result line, then " | " and the
// file's bytes afterwards ("unchanged" when they are the bytes it had), then for a dry run the
// unified diff.
std::string runSetValuesScript(const std::string& bytes, const std::string& command);

// The editor opens $D/a.cfg (or a.set, as its form says) holding `bytes` (missing settings
// filled with defaults), types `edits` ("Section:Key=Value" separated by ";") and saves with
// KeepLines on: choice "save", or "as NAME FILTER". Answer: the save's result, then " | " and
// the written file's bytes. Rounds of edits separated by "|" are each typed and saved (Save
// after the first Save As), their answers joined by " || ": a later save starts from the
// values the earlier one wrote.
std::string runKeepLinesSave(const std::string& bytes, const std::string& edits,
                             const std::string& choice);

}  // namespace tavmir::test
