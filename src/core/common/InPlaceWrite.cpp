// What is the same on every system: the search for the journals cut writes left, and the words
// for them; the writes themselves and the completion of one journal are the system's side of
// the door (posix/, win32/).
#include "common/InPlaceWrite.h"

#include <algorithm>

#include "common/FileLock.h"
#include "common/StateFolder.h"
#include "common/Text.h"
#include "common/WriteJournal.h"

namespace tavmir {

namespace fs = std::filesystem;

std::vector<CutWrite> completeCutWrites() {
    std::vector<CutWrite> done;
    const fs::path folder = stateFolder();
    if (folder.empty()) return done;
    std::error_code ec;
    std::vector<fs::path> journals;
    for (fs::directory_iterator it(folder / kWriteJournalSubfolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() == kWriteJournalSuffix) journals.push_back(p);
        // A journal being written when its process ended: that write never began. Removed
        // unless a running save holds it.
        if (p.extension() == ".tmp") removeUnlessHeld(p);
    }
    std::sort(journals.begin(), journals.end());
    for (const fs::path& p : journals)
        if (std::optional<CutWrite> cut = completeCutWrite(p)) done.push_back(std::move(*cut));
    return done;
}

std::string cutWritesMessage(const std::vector<CutWrite>& writes) {
    std::string text;
    for (const CutWrite& w : writes) {
        if (!text.empty()) text = paragraphs({text, ""});
        switch (w.outcome) {
            case CutWriteOutcome::Completed:
                text += "A save of " + w.target +
                        " was cut short (the program ended while writing it); it has now been "
                        "completed.";
                break;
            case CutWriteOutcome::KeptAside:
                text += "A save of " + w.target +
                        " was cut short, and the file has changed since: it was left as it is. "
                        "What was being saved is kept in " +
                        w.journal + ".";
                break;
            case CutWriteOutcome::Damaged:
                text += "The record of a save that was cut short cannot be read; it is kept in " +
                        w.journal + ".";
                break;
            case CutWriteOutcome::Failed:
                text += "A save of " + w.target +
                        " was cut short, and it could not be completed: " + w.reason +
                        ". It is tried again at the next start.";
                break;
        }
    }
    return text;
}

}  // namespace tavmir
