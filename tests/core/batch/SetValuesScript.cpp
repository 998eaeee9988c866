#include "core/batch/SetValuesScript.h"

#include <filesystem>
#include <sstream>
#include <vector>

#include "batch/SetValues.h"
#include "batch/UnifiedDiff.h"
#include "core/document/SaveTestSupport.h"
#include "document/EditorDocument.h"
#include "session/SaveRun.h"
#include "settingsfile/SettingsFileReader.h"

namespace tavmir::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> parts(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, sep)) out.push_back(part);
    return out;
}

class NoQuestions final : public SaveQuestions {
  public:
    bool confirm(const std::string&) override { return true; }
};

}  // namespace

std::string runSetValuesScript(const std::string& bytes, const std::string& command) {
    const auto catalogue = problemsCatalogue();
    const TempDir dir;
    const std::string path = dir.file("a.cfg", bytes);
    const std::size_t space = command.find(' ');
    const std::string verb = command.substr(0, space);
    const bool dry = verb.starts_with("dry");
    const bool fix = verb.ends_with("fix");
    std::vector<FieldWrite> writes;
    if (!fix)
        for (const std::string& a : parts(command.substr(space + 1), ';')) {
            auto write = parseAssignment(*catalogue, a);
            if (!write) return write.error().message;
            writes.push_back(*write);
        }
    const SetOptions options{dry, nullptr};
    const FileSetOutcome outcome = fix ? fixProblemsInFile(*catalogue, path, options)
                                       : setValuesInFile(*catalogue, path, writes, options);
    const std::string after = readAll(path);
    std::string line = setResultLine("a.cfg", outcome, dry, fix) + " | " +
                       (after == bytes ? std::string("unchanged") : after);
    if (dry) line += " | " + unifiedDiff("a.cfg", outcome.before, outcome.after);
    if (dir.entryCount() != 1) line += " | files left beside it";
    return line;
}

std::string runKeepLinesSave(const std::string& bytes, const std::string& edits,
                             const std::string& choice) {
    const auto catalogue = saveCatalogue();
    const TempDir dir;
    const bool set = bytes.find('[') == std::string::npos;
    const std::string path = dir.file(set ? "a.set" : "a.cfg", bytes);
    EditorDocument doc(catalogue);
    OpenRunFlags flags;
    flags.continueAll = true;
    flags.loadDecision = LoadDecision::Defaults;
    const SettingsReader reader = [&](SettingsFileData& record) {
        validateSettingsFile(*catalogue, record, ReaderEnvironment{});
    };
    doc.openFile(path, reader, flags, {});
    doc.setFilePath(path);

    std::string out;
    std::string target = path;
    for (const std::string& round : parts(edits, '|')) {
        std::vector<FieldWrite> writes;
        for (const std::string& e : parts(round, ';')) {
            const std::size_t colon = e.find(':'), eq = e.find('=');
            writes.push_back(
                {catalogue->findSetting(e.substr(0, colon), e.substr(colon + 1, eq - colon - 1)),
                 e.substr(eq + 1)});
        }
        doc.applyWrites("Typing", StepKind::Typed, writes);
        SaveChoice save;
        std::istringstream words(choice);
        std::string verb, name;
        int filter = 1;
        words >> verb >> name >> filter;
        if (verb == "as" && out.empty()) {
            save.saveAs = true;
            save.chosenPath = target = dir.path(name);
            save.filterIndex = filter;
        }
        NoQuestions yes;
        SaveSettings settings;
        settings.keepOriginals = false;
        settings.keepLines = true;
        const SaveOutcome saved = saveDocument(doc, save, yes, settings);
        if (!out.empty()) out += " || ";
        // A whole file of 961 settings is named by its first line.
        std::string written = readAll(target);
        if (written.size() > 2000)
            written = "the whole file: " + written.substr(0, written.find('\r')) + " ...";
        out += (saved.ok() ? std::string("saved") : saved.errorMessage) + " | " + written;
    }
    return out;
}

}  // namespace tavmir::test
