// tavmir.ini's text, arbitrary, through the preferences: the four values start-up takes from
// it stay in their ranges, and a value set in the text reads back and setting it again changes
// nothing.
#include <string_view>

#include "FuzzSupport.h"
#include "app/Preferences.h"
#include "app/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    int damagedKeys = -1;
    const Preferences p = preferencesFromText(content, damagedKeys);
    check(damagedKeys >= 0 && damagedKeys <= 4);
    check(p.textAlign >= 0 && p.textAlign <= 2 && p.mouseWheelSpeed >= 0 &&
          p.mouseWheelSpeed <= 3 && (p.disableWindowMessage == 0 || p.disableWindowMessage == 1));
    check(isValidMessageTime(messageTimeNumber(p.messageTime)));

    const std::string_view keys[][2] = {{"Editor", "TextAlign"},
                                        {"Editor", "MouseWheelSpeed"},
                                        {"Save", "DisableWindowMessage"},
                                        {"Save", "MessageTime"}};
    for (const auto& k : keys) {
        const auto updated = setProfileValue(content, k[0], k[1], "1234");
        check(updated.has_value());
        check(findProfileValue(*updated, k[0], k[1]) == "1234");
        check(setProfileValue(*updated, k[0], k[1], "1234") == updated);
    }
    (void)checkMessageTime(content, (size & 1) != 0);
    return 0;
}
