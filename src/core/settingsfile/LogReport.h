// Saving a styled log as a report file: the save dialog's filter list, the choice between plain
// text and RTF from the chosen name, and the write itself. The log windows (load errors, batch
// validation, batch comparison) ask for a name, then call saveLogReport; only the ending of the
// name decides the form, in any case. A name with neither ending is written in the form of the
// filter entry the user picked, so what lands on disk matches what the dialog offered.
//
// The file is replaced atomically, so a failed save never leaves a damaged or partial report.
#pragma once

#include <string>
#include <string_view>

#include "common/Status.h"

#include "settingsfile/StyledLog.h"

namespace tavmir {

// The save dialog's two entries: 1 plain text (preselected), 2 RTF.
inline constexpr std::string_view kLogReportFilter =
    "Plain Text (*.txt)|*.txt|Rich Text Format (*.rtf)|*.rtf";

enum class LogReportForm {
    PlainText,  // the runs' texts joined, line ends CR LF as the log holds them
    Rtf,        // an RTF document with the runs' fonts, sizes, bold and colours
};

// ".txt" / ".rtf" as the last four characters (any case) decide; otherwise filter entry 2
// chooses RTF and any other entry plain text.
LogReportForm logReportForm(std::string_view path, int filterIndex);

// The bytes of the report in the given form.
std::string logReportBytes(const StyledLog& log, LogReportForm form);

// The message shown when a report could not be written: "Error writing to file: " + path,
// an empty line, and the system's reason.
std::string logReportWriteError(std::string_view path, std::string_view reason);

// Writes the report to path; empty text on success, else logReportWriteError(...).
Status saveLogReportFile(const std::string& path, const StyledLog& log, int filterIndex);

}  // namespace tavmir
