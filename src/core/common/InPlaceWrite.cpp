// The words for cut writes, the same on every system; the writes themselves are the system's
// side of the door (posix/, win32/).
#include "common/InPlaceWrite.h"

#include "common/Text.h"

namespace tavmir {

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
