// Saving an editor's document: the checks, the choice of form, the write, and what the editor
// shows afterwards. Nothing is shown here; the outcome says which message box, page, focus,
// caption and confirmation the window is to show.
//
// The file is replaced atomically (a temporary file beside the target, flushed, then renamed
// over it), so a failed save leaves the old file as it was and no partial file behind. A
// failed check stops before anything is opened. A successful save clears the modified mark;
// a failed one leaves the editor's state as it was, except that Save As keeps the form the
// user chose in the dialog.
//
// An editor saves through saveDocument (session/SaveRun.h), which runs these in the save's
// order and asks its questions; these functions are the checks and the write themselves.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "common/FileWrite.h"
#include "document/FieldTexts.h"

namespace tavmir {

inline constexpr std::string_view kFileSavedHeading = "File saved:";
// The save dialog's filter list: entry 1 writes the CFG form, entry 2 the SET form.
inline constexpr std::string_view kSaveAsFilter =
    "Subspace Settings (*.cfg)|*.cfg|Subspace Settings (*.set)|*.set";

// The part of an editor's state that saving reads and changes.
struct SaveState {
    std::string filePath;
    std::string fileType;  // "SET" writes the SET form, anything else the CFG form
    bool modified = false;
};

// How a save ended.
enum class SaveResult {
    Saved,
    WrongValue,   // a check failed: nothing was written
    WriteFailed,  // the write failed (the reason says why); the file is as it was
    Cancelled,    // the user stopped it before anything was written
};

struct SaveOutcome {
    SaveResult result = SaveResult::Saved;
    // WriteFailed: the system's description of the failure.
    std::string reason;
    // The critical message box (title "Tavmir", OK) to show; empty on success.
    std::string errorMessage;
    // After a failed check: the page to show first (0: leave it) and the field to focus.
    int page = 0;
    int focusSetting = 0;
    // The window caption after the call: the path, and " *" while modified.
    std::string caption;
    // On success: the second line of the "File saved:" confirmation (the full path).
    std::string savedPath;
    // Save As success: the path is to go to the front of the recent-files list.
    bool addToRecentFiles = false;
    // Save As success onto another file than before: the editor registry's path for this
    // editor's slot is to follow.
    bool pathChanged = false;
    // Saved: what is on disk now, as written (so the editor never reads it again to know it).
    FileIdentity written;

    bool ok() const { return result == SaveResult::Saved; }
};

// Called once the checks have passed, just before the file at path is written: true lets the
// write go on, false stops the save as Cancelled (the caller has said why, e.g. the user
// declined to overwrite a change made on disk).
using BeforeWrite = std::function<bool(const std::string& path)>;

// Called after BeforeWrite: the bytes to write instead of the whole file the catalogue's
// order gives (the values written into the file's own lines), or nothing for the whole file.
using OwnLines = std::function<std::optional<std::string>()>;

// Checks texts 1..961 and writes them to path in the form of fileType.
// Changes no state; the outcome's caption is left empty.
SaveOutcome writeSettingsFile(const Catalogue& catalogue, const FieldTexts& texts,
                              std::string_view fileType, const std::string& path,
                              const BeforeWrite& beforeWrite = {}, const OwnLines& ownLines = {});

// Writes to state.filePath in the form state.fileType; clears state.modified on
// success.
SaveOutcome saveFile(const Catalogue& catalogue, const FieldTexts& texts, SaveState& state,
                     const BeforeWrite& beforeWrite = {}, const OwnLines& ownLines = {});

// SaveFileAs after the dialog: filterIndex 2 chooses SET, any other entry CFG, and the choice
// stays even when the write fails; on success state.filePath becomes chosenPath and
// state.modified false.
SaveOutcome saveFileAs(const Catalogue& catalogue, const FieldTexts& texts, SaveState& state,
                       const std::string& chosenPath, int filterIndex,
                       const BeforeWrite& beforeWrite = {}, const OwnLines& ownLines = {});

// The filter entry the save dialog preselects for a document of this form: 2 for "SET",
// else 1.
int saveAsFilterIndex(std::string_view fileType);

// The form a filter entry of the save dialog writes: "SET" for entry 2, else "CFG".
std::string fileTypeForFilterIndex(int filterIndex);

// The message box text for a failed write of path.
std::string writeFailureMessage(const WriteError& error, const std::string& path);

}  // namespace tavmir
