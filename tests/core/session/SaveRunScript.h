// The cases of the save-run table: an editor's document opened from $D/a.cfg ("original"),
// the file then treated as `setup` says, one Save or Save As answered from `answers`, and what
// the save asked, answered and left on disk, as one line.
#pragma once

#include <string>

namespace tavmir::test {

// setup: words separated by spaces: "changed" (another program rewrote a.cfg after the open),
// "gone" (a.cfg deleted), "bakfolder" (a folder where a.cfg.bak would go), "keep-off" (the
// KeepOriginal preference off), "saved" (one save of this session done already), "wrong" (a
// value the checks refuse). choice: "save", or "as NAME FILTER" (Save As onto $D/NAME with the
// dialog's filter entry). answers: "Y" and "N" for the questions, in order.
// Answer: the questions asked (overwrite, backup), the result, then a.cfg, a.cfg.bak and NAME
// (original / another's / written CFG / written SET / none), the recent files, the caption
// and whether the document is still modified.
std::string runSaveRunScript(const std::string& setup, const std::string& choice,
                             const std::string& answers);

}  // namespace tavmir::test
