#include "ConsoleSet.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <ostream>

#include "batch/SetValues.h"
#include "batch/UnifiedDiff.h"

namespace tavmir {
namespace {

using Json = nlohmann::ordered_json;

ConsoleExit exitOf(const FileSetOutcome& outcome) {
    switch (outcome.result) {
        case SetResult::Changed:
        case SetResult::AlreadySo:
            return outcome.problemsLeft > 0 ? ConsoleExit::Findings : ConsoleExit::Clean;
        case SetResult::Refused:
            return ConsoleExit::Findings;
        case SetResult::ReadFailed:
        case SetResult::WriteFailed:
            break;
    }
    return ConsoleExit::Failure;
}

std::string_view resultName(SetResult result) {
    switch (result) {
        case SetResult::Changed:
            return "changed";
        case SetResult::AlreadySo:
            return "unchanged";
        case SetResult::Refused:
            return "refused";
        case SetResult::ReadFailed:
            return "readFailed";
        case SetResult::WriteFailed:
            return "writeFailed";
    }
    return "";
}

Json fileJson(const Catalogue& catalogue, const std::string& file, const FileSetOutcome& outcome,
              bool fix) {
    Json changes = Json::array();
    for (const SettingChange& c : outcome.changes) {
        const SettingDef& def = catalogue[c.setting];
        changes.push_back({{"section", def.section},
                           {"key", def.key},
                           {"before", c.added ? Json() : Json(c.before)},
                           {"after", c.after}});
    }
    Json entry;
    entry["file"] = file;
    entry["result"] = resultName(outcome.result);
    entry["reason"] = outcome.reason.empty() ? Json() : Json(outcome.reason);
    entry["changedLines"] = outcome.changedLines;
    entry["addedSettings"] = outcome.addedSettings;
    if (fix) {
        entry["fixedProblems"] = outcome.fixedProblems;
        entry["problemsLeft"] = outcome.problemsLeft;
    }
    entry["changes"] = std::move(changes);
    return entry;
}

}  // namespace

ConsoleExit runConsoleSet(const Catalogue& catalogue, const std::vector<std::string>& files,
                          const ConsoleSetOptions& options, std::ostream& out, std::ostream& err) {
    // Every value is checked before any file is touched.
    std::vector<FieldWrite> writes;
    ConsoleExit refused = ConsoleExit::Clean;
    for (const std::string& text : options.assignments) {
        auto write = parseAssignment(catalogue, text);
        if (write) {
            writes.push_back(std::move(*write));
            continue;
        }
        err << programMessage(write.error().message) << "\n";
        refused = std::max(refused, write.error().fault == AssignmentFault::WrongValue
                                        ? ConsoleExit::Findings
                                        : ConsoleExit::Failure);
    }
    if (refused != ConsoleExit::Clean) {
        err << programMessage("no file was changed") << "\n";
        return refused;
    }

    const SetOptions setOptions{options.dryRun, nullptr};
    ConsoleExit status = ConsoleExit::Clean;
    Json list = Json::array();
    for (const std::string& file : files) {
        const FileSetOutcome outcome = options.fix
                                           ? fixProblemsInFile(catalogue, file, setOptions)
                                           : setValuesInFile(catalogue, file, writes, setOptions);
        status = std::max(status, exitOf(outcome));
        if (options.format == OutputFormat::Json) {
            list.push_back(fileJson(catalogue, file, outcome, options.fix));
            continue;
        }
        const std::string line = setResultLine(file, outcome, options.dryRun, options.fix) + "\n";
        if (options.dryRun) {
            out << unifiedDiff(file, outcome.before, outcome.after);
            err << line;
        } else {
            out << line;
        }
    }
    if (options.format == OutputFormat::Json) {
        Json document;
        document["dryRun"] = options.dryRun;
        document["files"] = std::move(list);
        out << document.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
    }
    out.flush();
    return status;
}

}  // namespace tavmir
