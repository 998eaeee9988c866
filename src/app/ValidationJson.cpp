#include "ValidationJson.h"

namespace tavmir {

namespace {

using Json = nlohmann::ordered_json;

// A text, or null when it is empty.
Json textOrNull(const std::string& text) { return text.empty() ? Json() : Json(text); }

const char* statusName(ReadStatus status) {
    switch (status) {
        case ReadStatus::ReadFailed:
            return "unreadable";
        case ReadStatus::Empty:
            return "empty";
        case ReadStatus::UnknownForm:
            return "unknownForm";
        case ReadStatus::Read:
        case ReadStatus::ReportFailed:  // only the report could not be written
            break;
    }
    return "read";
}

}  // namespace

void ValidationJson::add(const SettingsFileData& data, const std::vector<Finding>& findings,
                         bool reportAsked) {
    const bool read = data.status == ReadStatus::Read || data.status == ReadStatus::ReportFailed;
    // The empty file and the undecided form count one error, as their log says.
    const bool fixedError =
        data.status == ReadStatus::Empty || data.status == ReadStatus::UnknownForm;
    Json list = Json::array();
    for (const Finding& f : findings) {
        list.push_back({{"kind", f.kind == FindingKind::Error ? "error" : "warning"},
                        {"line", f.line > 0 ? Json(f.line) : Json()},
                        {"text", f.text},
                        {"section", textOrNull(f.section)},
                        {"key", textOrNull(f.key)},
                        {"fix", f.fix ? Json(*f.fix) : Json()}});
    }
    Json file;
    file["file"] = data.fileName;
    file["status"] = statusName(data.status);
    file["type"] = read ? textOrNull(data.fileType) : Json();
    file["errors"] = fixedError ? 1 : data.errorCount;
    file["warnings"] = data.warningCount;
    file["findings"] = std::move(list);
    file["report"] =
        reportAsked && data.status == ReadStatus::Read ? Json(data.reportFile) : Json();
    file["readFailure"] =
        data.status == ReadStatus::ReadFailed ? textOrNull(data.failureReason) : Json();
    file["reportFailure"] =
        data.status == ReadStatus::ReportFailed ? textOrNull(data.failureReason) : Json();
    m_files.push_back(std::move(file));
}

std::string ValidationJson::text() const {
    const Json document = {{"files", m_files}};
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace tavmir
