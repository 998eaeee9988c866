// The save of an editor's document, in its order, decided here so that no window orders the
// steps itself:
//
//   1. the checks of every value and pair (a failure names the page and field to show);
//   2. when the file on disk changed since the editor read or wrote it: "FILE changed on disk
//      since it was opened. Overwrite it?" (No stops the save; a file that is gone is written
//      again without asking);
//   3. at the first save of the editing session over a file that is there, the file as it was
//      is kept as FILE.bak (when the preference says so); when that fails, the user is asked
//      whether to save anyway;
//   4. the write (atomic; see common/FileWrite.h): the whole file in the catalogue's order, or,
//      when the KeepLines preference says so and the form stays, the values that changed
//      written into the file's own lines as they are on disk now (document/LineWriter.h);
//   5. the document is marked saved (its form and, after Save As, its path follow);
//   6. the identity of the bytes written is remembered, so the editor's own save is never
//      taken for a change and a change made right after it always is;
//   7. after Save As, the file goes to the front of the recent files.
//
// The questions go through SaveQuestions, which the window answers; what to show afterwards
// (the message box of a failed check or write, the page and field, the caption, the "File
// saved:" confirmation) is in the outcome.
#pragma once

#include <string>

#include "document/EditorDocument.h"
#include "document/SaveFile.h"
#include "session/RecentFiles.h"

namespace tavmir {

// The save's questions, each a Yes/No question with No preselected: true for Yes.
class SaveQuestions {
  public:
    virtual ~SaveQuestions() = default;
    virtual bool confirm(const std::string& question) = 0;
};

// Save (onto the document's own file, in its own form) or Save As (onto the chosen path, in the
// form of the chosen entry of kSaveAsFilter).
struct SaveChoice {
    bool saveAs = false;
    std::string chosenPath;  // Save As
    int filterIndex = 1;     // Save As: 1 CFG, 2 SET
};

struct SaveSettings {
    bool keepOriginals = true;      // the KeepOriginal preference
    bool keepLines = false;         // the KeepLines preference
    RecentFiles* recent = nullptr;  // the recent files Save As adds to; none when null
};

// Runs the save of `document` as the header says; the document changes only as its steps say
// (Save As keeps the chosen form even when the write fails, as the dialog chose it).
SaveOutcome saveDocument(EditorDocument& document, const SaveChoice& choice,
                         SaveQuestions& questions, const SaveSettings& settings);

}  // namespace tavmir
