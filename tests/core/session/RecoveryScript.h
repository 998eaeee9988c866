// The cases of the recovery and last-session tables.
//
// recovery-journal: a journal for $D/a.cfg in form `form` with the changed values `values`
// ("N=TEXT;N=TEXT", each opened as "old"), its bytes then changed by `change`: "" (none),
// "cut K" (only the first K bytes), "byte K C" (byte K becomes C), "format F" (the head names
// format F), "edit FROM|TO" (the first FROM becomes TO, the hash made anew), "grow" (a value that
// takes it past the bound), "unread" (the editor never read its file). Answer: what is read back,
// or the fault, and "same bytes" when writing what was read gives the journal's bytes again.
//
// left-journals: the recovery folder holds journals as `setup` says, words separated by
// spaces: "stale" (a journal of a program that ended), "live" (one of a program running now),
// "own" (one of this program), "damaged", "newer", "changed" / "gone" (a stale journal whose
// file was rewritten or removed since). Answer: what a start is offered, with the state of each
// file, what was set aside, and the files left in the folder.
#pragma once

#include <string>

namespace tavmir::test {

std::string runRecoveryJournalCase(const std::string& form, const std::string& values,
                                   const std::string& change);

std::string runLeftJournalsCase(const std::string& setup);

// last-session: the bytes of a session file. Answer: the files with their pages and the active
// one, or "refused"; and "same bytes" when writing what was read gives the bytes again.
std::string runLastSessionCase(const std::string& bytes);

}  // namespace tavmir::test
