#include "settingsfile/LogReport.h"

#include "common/FileWrite.h"
#include "common/Text.h"

namespace tavmir {

LogReportForm logReportForm(std::string_view path, int filterIndex) {
    if (path.size() >= 4) {
        const std::string ending = toUpperAscii(path.substr(path.size() - 4));
        if (ending == ".TXT") return LogReportForm::PlainText;
        if (ending == ".RTF") return LogReportForm::Rtf;
    }
    return filterIndex == 2 ? LogReportForm::Rtf : LogReportForm::PlainText;
}

std::string logReportBytes(const StyledLog& log, LogReportForm form) {
    return form == LogReportForm::Rtf ? toRtf(log) : log.plainText();
}

std::string logReportWriteError(std::string_view path, std::string_view reason) {
    const std::string heading = "Error writing to file: " + std::string(path);
    return reason.empty() ? heading : paragraphs({heading, reason});
}

Status saveLogReportFile(const std::string& path, const StyledLog& log, int filterIndex) {
    if (path.empty()) return failedWith(logReportWriteError(path, "No file name"));
    const WriteResult result =
        writeFileSafely(path, logReportBytes(log, logReportForm(path, filterIndex)));
    if (result) return {};
    return failedWith(logReportWriteError(path, result.error().reason));
}

}  // namespace tavmir
