// Setting values in settings files by writing into their own lines (document/LineWriter.h),
// for the command line's --set and --fix and the batch window that sets values in a list of
// files: a change of one value is a change of one line, and every line the program does not
// know stays as it was.
//
// Each file is read whole, checked and written (or, in a dry run, only computed) on its own.
// The save's rules decide first: a value a save would refuse is refused before any file is
// touched, and a file where a written value would break a pair (an initial value greater than
// its maximum) is refused with the save's message and left untouched. Problems a file has in
// settings that are not written stay as they are: writing one value does not rewrite others.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <tl/expected.hpp>

#include "catalogue/Catalogue.h"
#include "document/BackupSession.h"
#include "document/FieldTexts.h"

namespace tavmir {

// Why a "Section:Key=Value" cannot be set.
enum class AssignmentFault {
    Malformed,       // not of the form Section:Key=Value
    UnknownSetting,  // no setting of that section and key
    WrongValue,      // the save would refuse the value
    NoValues,        // a list of values without any
};

struct AssignmentError {
    AssignmentFault fault = AssignmentFault::Malformed;
    // "Section:Key=Value expected: TEXT"; "Unknown setting Section:Key" (with a suggestion
    // when only the letters' case differs); or the save's own message ("Wrong value for
    // Section:Key", an empty line and the reason).
    std::string message;
};

// One setting and value given as "Section:Key=Value" (the names exactly as a file writes
// them, the value's spaces at both ends left out).
tl::expected<FieldWrite, AssignmentError> parseAssignment(const Catalogue& catalogue,
                                                          std::string_view text);

// The values of a text of one "Section:Key=Value" per line (blank lines left out, CR LF or LF
// line ends), as the batch window takes them: the first line that cannot be set refuses the
// whole text, and so does a text without any ("Give the values to set: one Section:Key=Value
// per line").
tl::expected<std::vector<FieldWrite>, AssignmentError> parseAssignments(const Catalogue& catalogue,
                                                                        std::string_view text);

// How one file came out.
enum class SetResult {
    Changed,      // its lines took the values (or would, in a dry run)
    AlreadySo,    // it holds them already: nothing written
    Refused,      // a written value breaks a pair, or the file is empty or of unknown form
    ReadFailed,   // it could not be read
    WriteFailed,  // it could not be written; it is as it was
};

struct SettingChange {
    int setting = 0;
    std::string before;  // the value the file held; empty when it lacked the setting
    std::string after;
    bool added = false;  // the file lacked it: it was added at the end
};

struct FileSetOutcome {
    SetResult result = SetResult::AlreadySo;
    int changedLines = 0;
    int addedSettings = 0;
    int fixedProblems = 0;  // --fix: problems the writes mend
    int problemsLeft = 0;   // --fix: problems that stop a save after the writes
    std::vector<SettingChange> changes;
    std::string reason;  // Refused, ReadFailed, WriteFailed: why
    std::string before;  // the file's bytes as read, and as written (the same when unchanged)
    std::string after;
};

struct SetOptions {
    bool dryRun = false;  // compute, write nothing
    // When set, a file written for the first time in this session is kept as FILE.bak first.
    BackupSession* backups = nullptr;
};

// Writes `writes` into the lines of the file at path.
FileSetOutcome setValuesInFile(const Catalogue& catalogue, const std::string& path,
                               const std::vector<FieldWrite>& writes, const SetOptions& options);

// Writes the fixes the Problems window's Fix All proposes into the lines of the file at path,
// and cuts a text longer than its setting takes to its length, as opening it in the editor
// would.
FileSetOutcome fixProblemsInFile(const Catalogue& catalogue, const std::string& path,
                                 const SetOptions& options);

// The line that reports a file's outcome, path as printableText shows it:
// "PATH: changed 2 lines, added 1 setting", "PATH: already so", "PATH: refused: REASON",
// "PATH: could not be read: REASON", "PATH: could not be written: REASON"; for --fix also
// "PATH: fixed 3 problems: changed 3 lines", "PATH: nothing to fix" and "; 1 problem left".
// In a dry run "changed" reads "would change" and "added" "would add".
std::string setResultLine(const std::string& path, const FileSetOutcome& outcome, bool dryRun,
                          bool fix);
// The same line without "PATH: ", as the batch window's grid shows it.
std::string setResultText(const FileSetOutcome& outcome, bool dryRun, bool fix);

}  // namespace tavmir
