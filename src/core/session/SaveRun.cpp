#include "session/SaveRun.h"

#include "common/SamePath.h"
#include "document/FileLines.h"
#include "document/LineWriter.h"
#include "document/OriginalBackup.h"

namespace tavmir {
namespace {

// The document's values written into the lines of the file at source, as it is on disk now:
// every setting the file names takes the document's value (a line whose value is that already
// stays as it is), and a setting it lacks is added only when the document's value changed
// since the open or the last save. Nothing when the file cannot be had in the document's form.
std::optional<std::string> ownLinesOf(const EditorDocument& document, const std::string& source) {
    const auto lines = readFileLines(document.catalogue(), source);
    if (!lines || (*lines)->record.fileType != document.fileType()) return std::nullopt;
    const SettingsFileData& record = (*lines)->record;
    std::vector<FieldWrite> writes;
    for (int n = 1; n <= kSettingCount; ++n) {
        const std::string& text = document.text(n);
        if (record.found[static_cast<std::size_t>(n)] || text != document.savedText(n))
            writes.push_back({n, text});
    }
    auto edit = writeIntoLines(document.catalogue(), (*lines)->bytes, record, writes);
    if (!edit) return std::nullopt;
    return std::move(edit->bytes);
}

}  // namespace

SaveOutcome saveDocument(EditorDocument& document, const SaveChoice& choice,
                         SaveQuestions& questions, const SaveSettings& settings) {
    SaveState state{document.filePath(), document.fileType(), document.modified()};
    const std::string ownFile = document.filePath();
    // Steps 2 and 3, once the checks have passed, just before the write.
    const BeforeWrite beforeWrite = [&](const std::string& path) {
        if (samePath(path, ownFile)) {
            const auto question = document.diskWatch().overwriteQuestion(path);
            if (question && !questions.confirm(*question)) return false;
        }
        if (document.backups().keepsOriginalOf(path, settings.keepOriginals)) {
            const WriteResult kept = keepOriginal(path);
            if (!kept && !questions.confirm(backupFailedQuestion(path, kept.error().reason)))
                return false;
        }
        return true;
    };
    // The file's own lines are kept when the form stays; Save As to the other form writes the
    // whole file.
    const bool sameForm =
        !choice.saveAs || fileTypeForFilterIndex(choice.filterIndex) == document.fileType();
    const OwnLines ownLines = [&]() -> std::optional<std::string> {
        if (!settings.keepLines || !sameForm) return std::nullopt;
        return ownLinesOf(document, ownFile);
    };
    SaveOutcome outcome =
        choice.saveAs
            ? saveFileAs(document.catalogue(), document.fields(), state, choice.chosenPath,
                         choice.filterIndex, beforeWrite, ownLines)
            : saveFile(document.catalogue(), document.fields(), state, beforeWrite, ownLines);
    document.setFileType(state.fileType);
    if (!outcome.ok()) return outcome;

    document.setFilePath(state.filePath);
    document.markSaved();
    document.diskWatch().remember(outcome.written);
    document.backups().wrote(state.filePath);
    if (outcome.addToRecentFiles && settings.recent != nullptr)
        settings.recent->addToFront(state.filePath);
    if (outcome.caption.empty()) outcome.caption = document.caption();
    if (outcome.savedPath.empty()) outcome.savedPath = state.filePath;
    return outcome;
}

}  // namespace tavmir
