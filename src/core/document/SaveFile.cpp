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

std::string writeFailureMessage(WriteStage stage, const std::string& path,
                                const std::string& reason) {
    std::string text;
    switch (stage) {
        case WriteStage::Open:
            text = "Error opening file: ";
            break;
        case WriteStage::Write:
            text = "Error writing in file: ";
            break;
        case WriteStage::Close:
        case WriteStage::None:
            text = "Error closing file: ";
            break;
    }
    text += path;
    text += kCrLf;
    text += kCrLf;
    text += reason;
    return text;
}

SaveOutcome writeSettingsFile(const Catalogue& catalogue, const FieldTexts& texts,
                              std::string_view fileType, const std::string& path,
                              const BeforeWrite& beforeWrite) {
    SaveOutcome outcome;
    if (auto failure = checkBeforeSave(catalogue, texts)) {
        outcome.result = kWrongValue;
        outcome.errorMessage = std::move(failure->message);
        outcome.page = failure->page;
        outcome.focusSetting = failure->setting;
        return outcome;
    }
    if (beforeWrite) {
        outcome.result = beforeWrite(path);
        if (!outcome.ok()) return outcome;
    }

    WriteResult written;
    if (path.empty()) {
        // An empty name would put the temporary file in the working folder.
        written = {WriteStage::Open, systemErrorText(ENOENT)};
    } else {
        written = writeFileAtomically(path, settingsFileBytes(catalogue, texts, fileType));
    }
    if (!written.ok()) {
        outcome.result = written.reason.empty() ? std::string("Unknown error") : written.reason;
        outcome.errorMessage = writeFailureMessage(written.stage, path, outcome.result);
        return outcome;
    }
    outcome.savedPath = path;
    return outcome;
}

SaveOutcome saveFile(const Catalogue& catalogue, const FieldTexts& texts, SaveState& state,
                     const BeforeWrite& beforeWrite) {
    SaveOutcome outcome =
        writeSettingsFile(catalogue, texts, state.fileType, state.filePath, beforeWrite);
    if (outcome.ok()) state.modified = false;
    outcome.caption = captionFor(state.filePath, state.modified);
    return outcome;
}

SaveOutcome saveFileAs(const Catalogue& catalogue, const FieldTexts& texts, SaveState& state,
                       const std::string& chosenPath, int filterIndex,
                       const BeforeWrite& beforeWrite) {
    state.fileType = fileTypeForFilterIndex(filterIndex);
    SaveOutcome outcome =
        writeSettingsFile(catalogue, texts, state.fileType, chosenPath, beforeWrite);
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
