// The state an open run and a close run share between the main window, the editor's open
// procedure and the load-error dialog, and between the main window and the close prompt.
// The main window resets them at the start of each run; the other parties read and set them.
#pragma once

#include <string>
#include <string_view>

namespace tavmir {

// LoadDecision values left by the load-error dialog.
inline constexpr std::string_view kLoadOpen = "";       // open the file as it is
inline constexpr std::string_view kLoadDefaults = "D";  // missing settings get defaults
inline constexpr std::string_view kLoadBlank = "B";     // missing settings stay empty
inline constexpr std::string_view kLoadRefuse = "C";    // refuse the file

struct OpenRunFlags {
    // MoreFilesFollow: the file being opened is not the last one of the run.
    bool moreFilesFollow = false;
    // ContinueAll: later files of the run skip the load-error dialog and reuse loadDecision.
    bool continueAll = false;
    // CancelAll: the run stops after the current file.
    bool cancelAll = false;
    // LoadDecision: kept from one file and one run to the next until the dialog writes it.
    std::string loadDecision;
    // ShowMissingChoice: the load-error dialog offers the choice for missing settings.
    bool showMissingChoice = false;
    // BatchFileNumber: -1 during an interactive open, else the file counter of a batch run.
    int batchFileNumber = -1;
};

struct CloseRunFlags {
    // ClosingAll: Close All is running.
    bool closingAll = false;
    // CloseCancelled: a close was cancelled (Cancel chosen, prompt dismissed, or save failed).
    bool closeCancelled = false;
    // YesToAllChosen: later modified editors of the run are saved without asking.
    bool yesToAllChosen = false;
    // NoToAllChosen: later modified editors of the run are closed unsaved without asking.
    bool noToAllChosen = false;

    void clear() { *this = CloseRunFlags{}; }
};

}  // namespace tavmir
