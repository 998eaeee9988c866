#include "session/MainMenus.h"

namespace tavmir {

MainMenuState mainMenuState(const EditorRegistry& registry) {
    bool anyLoaded = false;
    for (int slot = 1; slot <= registry.slotCount() && !anyLoaded; ++slot)
        anyLoaded = registry.slotLoaded(slot);
    return MainMenuState{anyLoaded, anyLoaded, anyLoaded, anyLoaded, anyLoaded, anyLoaded};
}

}  // namespace tavmir
