// The cases of the atomic-save table: a scratch folder built from a short script, one save
// into it, and what the save answered and left on disk, as one line.
#pragma once

#include <string>

namespace tavmir::test {

// setup: commands separated by ";": "f NAME MODE TEXT" a file (octal mode), "l NAME TARGET" a
// symbolic link ("$D/" the folder), "h NAME EXISTING" a hard link, "d NAME" a folder, "p NAME"
// a FIFO, "k NAME TEXT" the temporary file a killed save of NAME left ("kl NAME TARGET": a
// link in its place), "limit BYTES" a file-size limit for the save. A name "x{250}" stands for 250
// x characters (and is shown so again). target: the name saved to, with the bytes "new" and the
// umask 022. Answer: "ok" or the stage and reason, " | ", then every entry of the folder in name
// order: "name=TEXT(mode)" with ",N links" when more than one, "name->target", "name/" or "name|".
std::string runSaveScript(const std::string& setup, const std::string& target);

// A write in place of $D/a.cfg from ten "a" to fourteen "b" cut short, its journal ($J) left in
// a scratch state folder, and the file as `state` says: "old", "new", "mix" (the first 4 new
// bytes over the old ones), "zeros" (the old bytes and the space reserved), "other" bytes,
// "gone", "replaced" by a new file with the old bytes, or a "damaged" journal; "live" holds
// the journal's lock as a running save would. The next start's completion, then: each cut
// write's outcome, what a.cfg holds, the journals left (by suffix) and the message.
std::string runCutWriteScript(const std::string& state);

}  // namespace tavmir::test
