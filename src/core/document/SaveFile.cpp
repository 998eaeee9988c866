#include "document/SaveFile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/SamePath.h"
#include "common/SystemError.h"
#include "common/Text.h"
#include "document/SaveChecks.h"
#include "document/SettingsWriter.h"

namespace tavmir {
namespace {

std::string captionFor(const std::string& filePath, bool modified) {
    return modified ? filePath + " *" : filePath;
}

}  // namespace

std::string writeFailureMessage(const WriteError& error, const std::string& path) {
    std::string text;
    switch (error.stage) {
        case WriteStage::Open:
            text = "Error opening file: ";
            break;
        case WriteStage::Write:
            text = "Error writing in file: ";
            break;
        case WriteStage::Restore:
            text = "Error writing in file: ";
            break;
        case WriteStage::Close:
            text = "Error closing file: ";
            break;
    }
    text += path;
    const std::string reason = error.reason.empty() ? std::string("Unknown error") : error.reason;
    if (error.stage != WriteStage::Restore) return paragraphs({text, reason});
    std::string damaged = "The file could not be put back as it was: it is damaged.";
    if (!error.keptIn.empty())
        damaged += " Its old and its new contents are kept in " + error.keptIn +
                   " (the new contents are its last bytes), and the next start completes the save.";
    return paragraphs({text, reason, damaged});
}

SaveOutcome writeSettingsFile(const Catalogue& catalogue, const FieldTexts& texts,
                              std::string_view fileType, const std::string& path,
                              const BeforeWrite& beforeWrite, const OwnLines& ownLines) {
    SaveOutcome outcome;
    if (auto failure = checkBeforeSave(catalogue, texts)) {
        outcome.result = SaveResult::WrongValue;
        outcome.errorMessage = std::move(failure->message);
        outcome.page = failure->page;
        outcome.focusSetting = failure->setting;
        return outcome;
    }
    if (beforeWrite && !beforeWrite(path)) {
        outcome.result = SaveResult::Cancelled;
        return outcome;
    }

    std::optional<std::string> lines;
    if (ownLines) lines = ownLines();
    const WriteResult written =
        writeFileSafely(path, lines ? *lines : settingsFileBytes(catalogue, texts, fileType));
    if (!written) {
        const WriteError& e = written.error();
        outcome.result = SaveResult::WriteFailed;
        outcome.reason = e.reason.empty() ? std::string("Unknown error") : e.reason;
        outcome.errorMessage = writeFailureMessage(e, path);
        return outcome;
    }
    outcome.savedPath = path;
    outcome.written = *written;
    return outcome;
}

SaveOutcome saveFile(const Catalogue& catalogue, const FieldTexts& texts, SaveState& state,
                     const BeforeWrite& beforeWrite, const OwnLines& ownLines) {
    SaveOutcome outcome =
        writeSettingsFile(catalogue, texts, state.fileType, state.filePath, beforeWrite, ownLines);
    if (outcome.ok()) state.modified = false;
    outcome.caption = captionFor(state.filePath, state.modified);
    return outcome;
}

SaveOutcome saveFileAs(const Catalogue& catalogue, const FieldTexts& texts, SaveState& state,
                       const std::string& chosenPath, int filterIndex,
                       const BeforeWrite& beforeWrite, const OwnLines& ownLines) {
    state.fileType = fileTypeForFilterIndex(filterIndex);
    SaveOutcome outcome =
        writeSettingsFile(catalogue, texts, state.fileType, chosenPath, beforeWrite, ownLines);
    if (outcome.ok()) {
        outcome.pathChanged = !samePath(state.filePath, chosenPath);
        outcome.addToRecentFiles = true;
        state.filePath = chosenPath;
        state.modified = false;
    }
    outcome.caption = captionFor(state.filePath, state.modified);
    return outcome;
}

int saveAsFilterIndex(std::string_view fileType) { return fileType == "SET" ? 2 : 1; }

std::string fileTypeForFilterIndex(int filterIndex) { return filterIndex == 2 ? "SET" : "CFG"; }

}  // namespace tavmir
