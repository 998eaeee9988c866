#include "session/ClosePrompt.h"

namespace tavmir {

std::vector<ClosePromptButton> closePromptButtons(bool allAnswers) {
    if (!allAnswers) {
        return {{"bYes", "&Yes", CloseAnswer::Yes, 102},
                {"bNo", "&No", CloseAnswer::No, 206},
                {"bCancel", "&Cancel", CloseAnswer::Cancel, 310}};
    }
    return {{"bYes", "&Yes", CloseAnswer::Yes, 8},
            {"bYesToAll", "Yes to &All", CloseAnswer::YesToAll, 107},
            {"bNo", "&No", CloseAnswer::No, 206},
            {"bNoToAll", "No &to All", CloseAnswer::NoToAll, 305},
            {"bCancel", "&Cancel", CloseAnswer::Cancel, 404}};
}

}  // namespace tavmir
