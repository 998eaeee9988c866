#include "core/session/SaveRunScript.h"

#include <filesystem>
#include <sstream>
#include <vector>

#include "core/document/SaveTestSupport.h"
#include "session/SaveRun.h"

namespace tavmir::test {
namespace {

namespace fs = std::filesystem;

class ScriptedQuestions final : public SaveQuestions {
  public:
    explicit ScriptedQuestions(std::string answers) : m_answers(std::move(answers)) {}
    bool confirm(const std::string& question) override {
        asked += asked.empty() ? "" : ",";
        asked += question.find("Overwrite it?") != std::string::npos  ? "overwrite"
                 : question.find("Save anyway?") != std::string::npos ? "backup"
                                                                      : "?";
        const bool yes = m_next < m_answers.size() && m_answers[m_next] == 'Y';
        ++m_next;
        return yes;
    }
    std::string asked;

  private:
    std::string m_answers;
    std::size_t m_next = 0;
};

std::string whatIsAt(const fs::path& path, const std::string& cfg, const std::string& set) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return "folder";
    if (!fs::exists(path, ec)) return "none";
    const std::string bytes = readAll(path);
    if (bytes == "original") return "original";
    if (bytes == "another's") return "another's";
    if (bytes == cfg) return "written CFG";
    if (bytes == set) return "written SET";
    return "other";
}

const char* resultName(SaveResult r) {
    switch (r) {
        case SaveResult::Saved:
            return "saved";
        case SaveResult::WrongValue:
            return "wrong value";
        case SaveResult::WriteFailed:
            return "write failed";
        case SaveResult::Cancelled:
            return "cancelled";
    }
    return "?";
}

}  // namespace

std::string runSaveRunScript(const std::string& setup, const std::string& choice,
                             const std::string& answers) {
    const TempDir dir;
    const std::string path = dir.file("a.cfg", "original");
    const auto has = [&](const char* word) {
        std::istringstream words(setup);
        for (std::string w; words >> w;)
            if (w == word) return true;
        return false;
    };
    const auto catalogue = saveCatalogue();
    FieldTexts texts = validDocument();
    if (has("wrong")) texts[1] = "25";
    EditorDocument doc(catalogue);
    OpenRunFlags flags;
    const SettingsReader reader = [&](SettingsFileData& record) {
        for (int n = 1; n <= kSettingCount; ++n) {
            record.values[static_cast<std::size_t>(n)] = texts[n];
            record.found[static_cast<std::size_t>(n)] = true;
        }
        record.foundCount = kSettingCount;
        record.fileType = "CFG";
        record.readIdentity = identifyFile(path);
    };
    doc.openFile(path, reader, flags, {});
    doc.setFilePath(path);

    RecentFiles recent(dir.path() / "recent.dat");
    SaveSettings settings;
    settings.keepOriginals = !has("keep-off");
    settings.recent = &recent;
    if (has("saved")) {
        ScriptedQuestions none("");
        saveDocument(doc, SaveChoice{}, none, settings);
    }
    if (has("bakfolder")) fs::create_directory(path + ".bak");
    if (has("changed")) writeBytes(path, "another's");
    if (has("gone")) fs::remove(path);

    SaveChoice save;
    std::string other;
    std::istringstream words(choice);
    std::string verb, name;
    int filter = 1;
    words >> verb >> name >> filter;
    if (verb == "as") {
        save.saveAs = true;
        other = dir.path(name);
        save.chosenPath = other;
        save.filterIndex = filter;
    }
    ScriptedQuestions questions(answers);
    const SaveOutcome out = saveDocument(doc, save, questions, settings);

    const std::string cfg = readAll(fs::path(TAVMIR_TEST_DATA) / "writer" / "valid.cfg");
    const std::string set = readAll(fs::path(TAVMIR_TEST_DATA) / "writer" / "valid.set");
    std::string line = "asked " + (questions.asked.empty() ? "nothing" : questions.asked) + " | " +
                       resultName(out.result) + " | a.cfg " + whatIsAt(path, cfg, set) +
                       ", a.cfg.bak " + whatIsAt(path + ".bak", cfg, set);
    if (!other.empty()) line += ", " + name + " " + whatIsAt(other, cfg, set);
    line += " | recent";
    for (const std::string& entry : recent.entries())
        line += " " + fs::path(entry).filename().string();
    std::string caption = doc.caption();
    if (caption.starts_with(dir.path().string() + "/"))
        caption = caption.substr(dir.path().string().size() + 1);
    line += " | " + caption;
    // The identity the save remembered is the file's: a look right after finds no change.
    if (out.ok() &&
        doc.diskWatch().check(doc.filePath(), doc.modified()).kind != DiskNoticeKind::None)
        line += " | the editor's own save taken for a change";
    return line;
}

}  // namespace tavmir::test
