#include "session/EditorRegistry.h"

#include <gtest/gtest.h>

#include <string>

#include "session/MainMenus.h"

namespace tavmir {
namespace {

bool menusOn(const EditorRegistry& registry) {
    const MainMenuState on{true, true, true, true, true, true};
    const MainMenuState state = mainMenuState(registry);
    EXPECT_TRUE(state == on || state == MainMenuState{}) << "the six menus go together";
    return state == on;
}

// Slots are handed out in order up to eight open editors; the file menus apply only while an
// editor holds a loaded file, not while its file is still being read.
TEST(EditorRegistry, HandsOutEightSlotsAndTheMenusFollowLoadedFiles) {
    EditorRegistry registry;
    EXPECT_FALSE(menusOn(registry));
    for (int i = 1; i <= kMaxEditors; ++i)
        EXPECT_EQ(registry.addSlot("/z/f" + std::to_string(i) + ".cfg"), i);
    EXPECT_EQ(registry.addSlot("/z/more.cfg"), 0);
    EXPECT_EQ(registry.openEditorCount(), kMaxEditors);

    EXPECT_FALSE(registry.slotLoaded(3));
    EXPECT_FALSE(menusOn(registry));
    registry.markLoaded(3);
    EXPECT_TRUE(registry.slotLoaded(3));
    EXPECT_TRUE(menusOn(registry));
    EXPECT_EQ(registry.findOpenFile("/z/f3.cfg"), 3);
    EXPECT_EQ(registry.slotPath(3), "/z/f3.cfg");

    EXPECT_TRUE(registry.release(3));
    EXPECT_FALSE(registry.release(3));
    EXPECT_FALSE(registry.slotLoaded(3));
    EXPECT_FALSE(menusOn(registry));
    EXPECT_EQ(registry.findOpenFile("/z/f3.cfg"), 0);

    // A freed place gives a new slot number: numbers are never reused.
    EXPECT_EQ(registry.addSlot("/z/again.cfg"), kMaxEditors + 1);
    EXPECT_FALSE(registry.slotLoaded(kMaxEditors + 1));
    EXPECT_FALSE(menusOn(registry));
    registry.markLoaded(kMaxEditors + 1);
    EXPECT_TRUE(menusOn(registry));

    registry.setActiveEditor(4);
    registry.setActiveEditor(kMaxEditors + 2);  // outside 0..SlotCount: ignored
    EXPECT_EQ(registry.activeEditor(), 4);
    registry.setActiveEditor(0);  // none active
    EXPECT_EQ(registry.activeEditor(), 0);
    registry.setActiveEditor(-1);
    EXPECT_EQ(registry.activeEditor(), 0);
    EXPECT_FALSE(registry.slotLoaded(0));
    EXPECT_FALSE(registry.slotLoaded(kMaxEditors + 2));
}

}  // namespace
}  // namespace tavmir
