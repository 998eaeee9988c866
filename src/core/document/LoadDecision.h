// The decision taken about a file with validation errors or warnings while it is opened
// into an editor: the flags of an open run that the main window owns, what the load-error
// dialog is asked to show, and how the button the user pressed sets the flags.
//
// The core never shows the dialog. The editor's open procedure hands a LoadErrorRequest to
// a callback supplied by the window, which shows the real dialog and returns the answer.
#pragma once

#include <functional>
#include <string>

#include "settingsfile/StyledLog.h"

namespace tavmir {

// What the user decided about a file with errors or warnings.
enum class LoadDecision {
    Open,      // open the file as it is
    Defaults,  // fill missing settings with their defaults
    Blank,     // leave missing settings blank
    Cancel,    // refuse the file
};

// The decision's letter as the load-error dialog's answer is known: "", "D", "B" or "C".
std::string_view loadDecisionLetter(LoadDecision decision);

// The open-run flags of the main window, passed to each open of the run. loadDecision is
// never reset: it keeps the last decision, which later files of a "Continue All" run reuse.
struct OpenRunFlags {
    bool moreFilesFollow = false;  // the file is not the last of a multi-file open
    bool continueAll = false;      // later files skip the dialog and reuse the decision
    bool cancelAll = false;        // the run stops after this file
    LoadDecision loadDecision = LoadDecision::Open;
    bool showMissingChoice = false;  // the dialog offers (and applies) the missing-settings choice
    int batchFileNumber = -1;  // -1 during an interactive open, else a batch run's file counter
};

// The buttons that close the load-error dialog.
enum class LoadErrorButton {
    ContinueOpen,
    CancelOpen,
    ContinueAll,
    CancelAll,
    Closed,        // the window's close box: taken as Cancel Open, so no stale decision is reused
    ShowProblems,  // open this file as Continue Open does, then list what stops its save
};

enum class MissingChoice {
    Default,  // "&Default", selected when the dialog opens
    Blank,    // "&Blank"
};

struct LoadErrorAnswer {
    LoadErrorButton button = LoadErrorButton::CancelOpen;
    MissingChoice missing = MissingChoice::Default;
};

// What the dialog shows for one file.
struct LoadErrorRequest {
    std::string path;                // lFile
    const StyledLog* log = nullptr;  // tLog: the trimmed validation log
    bool showMissingChoice = false;  // the "Set missing settings to" frame
    bool showAllButtons = false;     // "C&ontinue All" and "C&ancel All"
    int unwrittenLines = 0;          // lines of the file a save will not write
    bool offerProblems = false;      // "&Show Problems": the file has values a save refuses
};

using LoadErrorDialog = std::function<LoadErrorAnswer(const LoadErrorRequest&)>;

// The dialog's load step: more files to follow always offer the missing-settings choice
// (a "Continue All" decision must hold for later files that lack settings).
LoadErrorRequest prepareLoadErrorDialog(OpenRunFlags& flags, const std::string& path,
                                        const StyledLog& log);
// Sets loadDecision, continueAll and cancelAll as the pressed button does.
void applyLoadErrorAnswer(OpenRunFlags& flags, const LoadErrorAnswer& answer);

// Step 6 of an open: removes the date-and-time line, the empty line and "Validating " from
// the head of an interactive validation log, so it starts with the file's name. That is,
// with the second CR LF at 1-based position p, the first p + 12 characters go; a log with
// fewer than two line breaks is left whole. Styles of the remaining text are kept.
void trimLoadLog(StyledLog& log);

}  // namespace tavmir
