#include "batch/SetValues.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/FileWrite.h"
#include "common/Text.h"
#include "document/FileLines.h"
#include "document/LineWriter.h"
#include "document/OriginalBackup.h"
#include "document/ProblemFixes.h"
#include "document/SaveChecks.h"
#include "document/SettingsWriter.h"
#include "settingsfile/ValueCheck.h"

namespace tavmir {
namespace {

tl::unexpected<AssignmentError> assignmentError(AssignmentFault fault, std::string message) {
    return tl::unexpected(AssignmentError{fault, std::move(message)});
}

// The setting whose section and key differ from the given ones only in the letters' case.
int settingIgnoringCase(const Catalogue& catalogue, std::string_view section,
                        std::string_view key) {
    const std::string s = toLowerAscii(section);
    const std::string k = toLowerAscii(key);
    for (int n = 1; n <= kSettingCount; ++n)
        if (toLowerAscii(catalogue[n].key) == k && toLowerAscii(catalogue[n].section) == s)
            return n;
    return 0;
}

FileSetOutcome failed(SetResult result, std::string reason) {
    FileSetOutcome outcome;
    outcome.result = result;
    outcome.reason = std::move(reason);
    return outcome;
}

// A file whose lines cannot be had: one that cannot be read, or one that holds no settings.
FileSetOutcome unreadable(const LinesError& error) {
    return failed(
        error.failure == LinesFailure::ReadFailed ? SetResult::ReadFailed : SetResult::Refused,
        error.reason);
}

// The changes `writes` make to the file `record` read, in setting-number order.
std::vector<SettingChange> changesOf(const SettingsFileData& record,
                                     const std::vector<FieldWrite>& writes) {
    std::map<int, std::string> last;
    for (const FieldWrite& w : writes)
        if (w.field >= 1 && w.field <= kSettingCount) last[w.field] = writtenValue(w.text);
    std::vector<SettingChange> changes;
    for (const auto& [n, value] : last) {
        const auto i = static_cast<std::size_t>(n);
        if (record.found[i] && record.values[i] == value) continue;
        changes.push_back(
            {n, record.found[i] ? record.values[i] : std::string(), value, !record.found[i]});
    }
    return changes;
}

// Writes the writes into the file's lines and, unless it is a dry run, onto the disk.
FileSetOutcome writeLines(const Catalogue& catalogue, const std::string& path,
                          const FileLines& lines, const std::vector<FieldWrite>& writes,
                          const SetOptions& options) {
    const auto edit = writeIntoLines(catalogue, lines.bytes, lines.record, writes);
    if (!edit) return failed(SetResult::Refused, "its lines cannot be written in place");
    FileSetOutcome outcome;
    outcome.changes = changesOf(lines.record, writes);
    outcome.changedLines = edit->changedLines;
    outcome.addedSettings = edit->addedSettings;
    outcome.before = lines.bytes;
    outcome.after = edit->bytes;
    if (outcome.after == outcome.before) {
        outcome.result = SetResult::AlreadySo;
        return outcome;
    }
    outcome.result = SetResult::Changed;
    if (options.dryRun) return outcome;

    // The file must still be the one read: a change made meanwhile is never overwritten.
    const NodeStatus now = nodeStatusOf(path);
    if (now.kind != NodeKind::Regular || now.stamp.size != lines.stamp.size ||
        now.stamp.modifiedNs != lines.stamp.modifiedNs || now.stamp.inode != lines.stamp.inode)
        return failed(SetResult::WriteFailed, "it changed on disk while it was being set");
    if (options.backups != nullptr && options.backups->keepsOriginalOf(path, true)) {
        const WriteResult kept = keepOriginal(path);
        if (!kept)
            return failed(SetResult::WriteFailed, "the original could not be kept as " + path +
                                                      ".bak: " + kept.error().reason);
    }
    const WriteResult written = writeFileSafely(path, outcome.after);
    if (!written)
        return failed(SetResult::WriteFailed, written.error().reason.empty()
                                                  ? std::string("Unknown error")
                                                  : written.error().reason);
    if (options.backups != nullptr) options.backups->wrote(path);
    return outcome;
}

std::string plural(int count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

tl::expected<FieldWrite, AssignmentError> parseAssignment(const Catalogue& catalogue,
                                                          std::string_view text) {
    const std::size_t equals = text.find('=');
    const std::size_t colon = text.substr(0, equals).find(':');
    if (equals == std::string_view::npos || colon == std::string_view::npos)
        return assignmentError(AssignmentFault::Malformed,
                               "Section:Key=Value expected: " + printableText(text));
    const std::string_view section = trimSpaces(text.substr(0, colon));
    const std::string_view key = trimSpaces(text.substr(colon + 1, equals - colon - 1));
    const std::string_view value = trimSpaces(text.substr(equals + 1));
    const int n = catalogue.findSetting(section, key);
    if (n == 0) {
        std::string message =
            "Unknown setting " + printableText(section) + ":" + printableText(key);
        if (const int near = settingIgnoringCase(catalogue, section, key); near != 0)
            message +=
                " (did you mean " + catalogue[near].section + ":" + catalogue[near].key + "?)";
        return assignmentError(AssignmentFault::UnknownSetting, std::move(message));
    }
    if (const auto kind = valueProblemOf(catalogue, n, value)) {
        const SettingDef& def = catalogue[n];
        return assignmentError(AssignmentFault::WrongValue,
                               paragraphs({"Wrong value for " + def.section + ":" + def.key,
                                           valueProblemReason(def, *kind)}));
    }
    return FieldWrite{n, std::string(value)};
}

tl::expected<std::vector<FieldWrite>, AssignmentError> parseAssignments(const Catalogue& catalogue,
                                                                        std::string_view text) {
    std::vector<FieldWrite> writes;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t lf = std::min(text.find('\n', from), text.size());
        std::string_view line = text.substr(from, lf - from);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        from = lf + 1;
        if (trimSpaces(line).empty()) continue;
        auto write = parseAssignment(catalogue, line);
        if (!write) return tl::unexpected(std::move(write.error()));
        writes.push_back(std::move(*write));
    }
    if (writes.empty())
        return assignmentError(AssignmentFault::NoValues,
                               "Give the values to set: one Section:Key=Value per line");
    return writes;
}

FileSetOutcome setValuesInFile(const Catalogue& catalogue, const std::string& path,
                               const std::vector<FieldWrite>& writes, const SetOptions& options) {
    auto lines = readFileLines(catalogue, path);
    if (!lines) return unreadable(lines.error());
    // The save's checks on the file as it would be, for what the writes touch.
    FieldTexts texts = textsOfFile(catalogue, (*lines)->record);
    std::set<int> written;
    for (const FieldWrite& w : writes) {
        if (w.field < 1 || w.field > kSettingCount) continue;
        texts[w.field] = w.text;
        written.insert(w.field);
    }
    for (const SaveProblem& p : listSaveProblems(catalogue, texts))
        if (written.count(p.setting) > 0 || written.count(p.maximum) > 0)
            return failed(SetResult::Refused, p.kind == ProblemKind::PairOrder
                                                  ? p.reason
                                                  : "Wrong value for " +
                                                        catalogue[p.setting].section + ":" +
                                                        catalogue[p.setting].key + ": " + p.reason);
    return writeLines(catalogue, path, **lines, writes, options);
}

FileSetOutcome fixProblemsInFile(const Catalogue& catalogue, const std::string& path,
                                 const SetOptions& options) {
    auto lines = readFileLines(catalogue, path);
    if (!lines) return unreadable(lines.error());
    FieldTexts texts = textsOfFile(catalogue, (*lines)->record);
    const std::size_t before = listSaveProblems(catalogue, texts).size();
    std::vector<FieldWrite> writes = fixAll(catalogue, texts);
    // A text longer than its setting takes stops no save (the editor's field cuts it when the
    // file opens), but the file still holds it: it is cut here as the editor would cut it.
    const SettingsFileData& record = (*lines)->record;
    for (int n = 1; n <= kSettingCount; ++n) {
        if (!record.found[static_cast<std::size_t>(n)]) continue;
        const std::string_view value = trimSpaces(texts[n]);
        if (checkSettingValue(catalogue, n, value) != ValueCheck::TooLong) continue;
        if (auto cut = proposedValue(catalogue, n, value, ValueCheck::TooLong))
            writes.push_back({n, std::move(*cut)});
    }
    for (const FieldWrite& w : writes) texts[w.field] = w.text;
    const std::size_t left = listSaveProblems(catalogue, texts).size();
    FileSetOutcome outcome = writeLines(catalogue, path, **lines, writes, options);
    if (outcome.result == SetResult::Changed || outcome.result == SetResult::AlreadySo) {
        outcome.fixedProblems = static_cast<int>(before - std::min(before, left));
        outcome.problemsLeft = static_cast<int>(left);
    }
    return outcome;
}

std::string setResultLine(const std::string& path, const FileSetOutcome& outcome, bool dryRun,
                          bool fix) {
    return printableText(path) + ": " + setResultText(outcome, dryRun, fix);
}

std::string setResultText(const FileSetOutcome& outcome, bool dryRun, bool fix) {
    std::string line;
    switch (outcome.result) {
        case SetResult::Changed: {
            if (fix && outcome.fixedProblems > 0)
                line += "fixed " + plural(outcome.fixedProblems, "problem", "problems") + ": ";
            std::vector<std::string> parts;
            if (outcome.changedLines > 0)
                parts.push_back((dryRun ? "would change " : "changed ") +
                                plural(outcome.changedLines, "line", "lines"));
            if (outcome.addedSettings > 0)
                parts.push_back((dryRun ? "would add " : "added ") +
                                plural(outcome.addedSettings, "setting", "settings"));
            for (std::size_t i = 0; i < parts.size(); ++i) line += (i > 0 ? ", " : "") + parts[i];
            break;
        }
        case SetResult::AlreadySo:
            line += fix ? "nothing to fix" : "already so";
            break;
        case SetResult::Refused:
            line += "refused: " + outcome.reason;
            break;
        case SetResult::ReadFailed:
            line += "could not be read: " + outcome.reason;
            break;
        case SetResult::WriteFailed:
            line += "could not be written: " + outcome.reason;
            break;
    }
    if (fix && outcome.problemsLeft > 0)
        line += "; " + plural(outcome.problemsLeft, "problem", "problems") + " left";
    return line;
}

}  // namespace tavmir
