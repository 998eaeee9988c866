#include "session/SaveRun.h"

#include "common/SamePath.h"
#include "document/OriginalBackup.h"

namespace tavmir {

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
    SaveOutcome outcome =
        choice.saveAs ? saveFileAs(document.catalogue(), document.fields(), state,
                                   choice.chosenPath, choice.filterIndex, beforeWrite)
                      : saveFile(document.catalogue(), document.fields(), state, beforeWrite);
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
