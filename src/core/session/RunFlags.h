// The state an open run and a close run share between the main window, the editor's open
// procedure and the load-error dialog, and between the main window and the close prompt.
// The main window resets them at the start of each run; the other parties read and set them.
#pragma once

#include <string>
#include <string_view>

#include "document/LoadDecision.h"

namespace tavmir {

// OpenRunFlags (MoreFilesFollow, ContinueAll, CancelAll, LoadDecision, ShowMissingChoice,
// BatchFileNumber) are the editor document's: document/LoadDecision.h.

struct CloseRunFlags {
    // Close All is running.
    bool closingAll = false;
    // A close was cancelled (Cancel chosen, prompt dismissed, or save failed).
    bool closeCancelled = false;
    // Later modified editors of the run are saved without asking.
    bool yesToAllChosen = false;
    // Later modified editors of the run are closed unsaved without asking.
    bool noToAllChosen = false;

    void clear() { *this = CloseRunFlags{}; }
};

}  // namespace tavmir
