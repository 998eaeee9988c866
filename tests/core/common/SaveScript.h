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

}  // namespace tavmir::test
