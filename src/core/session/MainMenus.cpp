#include "session/MainMenus.h"

#include "common/Text.h"

namespace tavmir {

MainMenuState mainMenuState(const EditorRegistry& registry) {
    bool anyLoaded = false;
    for (int slot = 1; slot <= registry.slotCount() && !anyLoaded; ++slot)
        anyLoaded = registry.slotLoaded(slot);
    return MainMenuState{anyLoaded, anyLoaded, anyLoaded, anyLoaded, anyLoaded, anyLoaded};
}

std::string historyCaption(std::string_view verb, std::string_view step) {
    std::string caption(verb);
    if (!step.empty()) caption += ' ' + menuLiteral(step);
    return caption;
}

std::string windowMenuCaption(int number, std::string_view title) {
    return "&" + decimal(number) + " " + menuLiteral(title);
}

}  // namespace tavmir
