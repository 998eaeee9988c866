#include "document/LoadDecision.h"

#include "common/Text.h"

namespace tavmir {

LoadErrorRequest prepareLoadErrorDialog(OpenRunFlags& flags, const std::string& path,
                                        const StyledLog& log) {
    if (flags.moreFilesFollow) flags.showMissingChoice = true;
    LoadErrorRequest request;
    request.path = path;
    request.log = &log;
    request.showMissingChoice = flags.showMissingChoice;
    request.showAllButtons = flags.moreFilesFollow;
    return request;
}

void applyLoadErrorAnswer(OpenRunFlags& flags, const LoadErrorAnswer& answer) {
    switch (answer.button) {
        case LoadErrorButton::ContinueAll:
            flags.continueAll = true;
            [[fallthrough]];
        case LoadErrorButton::ContinueOpen:
        case LoadErrorButton::ShowProblems:
            if (!flags.showMissingChoice)
                flags.loadDecision = LoadDecision::Open;
            else
                flags.loadDecision = answer.missing == MissingChoice::Blank
                                         ? LoadDecision::Blank
                                         : LoadDecision::Defaults;
            return;
        case LoadErrorButton::CancelAll:
            flags.cancelAll = true;
            [[fallthrough]];
        case LoadErrorButton::CancelOpen:
        case LoadErrorButton::Closed:
            flags.loadDecision = LoadDecision::Cancel;
            return;
    }
}

std::string_view loadDecisionLetter(LoadDecision decision) {
    switch (decision) {
        case LoadDecision::Defaults:
            return "D";
        case LoadDecision::Blank:
            return "B";
        case LoadDecision::Cancel:
            return "C";
        case LoadDecision::Open:
            break;
    }
    return "";
}

void trimLoadLog(StyledLog& log) {
    const std::string text = log.plainText();
    const std::size_t first = text.find(kCrLf);
    if (first == std::string::npos) return;
    const std::size_t second = text.find(kCrLf, first + kCrLf.size());
    if (second == std::string::npos) return;
    std::size_t drop = second + 1 + 12;  // p + 12 characters, p counting from 1

    StyledLog trimmed;
    for (const LogRun& run : log.runs()) {
        if (drop >= run.text.size()) {
            drop -= run.text.size();
            continue;
        }
        trimmed.append(std::string_view(run.text).substr(drop), 0, run.color, run.bold, run.font,
                       run.size);
        drop = 0;
    }
    log = std::move(trimmed);
}

}  // namespace tavmir
