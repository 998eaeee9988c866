// Feeds arbitrary bytes to the initialization-file reader and writer as the text of tavmir.ini.
// Besides not crashing, a value that was set must read back, and setting it again must change
// nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/Preferences.h"
#include "app/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string_view keys[][2] = {{"Editor", "TextAlign"},
                                        {"Editor", "MouseWheelSpeed"},
                                        {"Save", "DisableWindowMessage"},
                                        {"Save", "MessageTime"}};
    for (const auto& k : keys) {
        if (const auto v = tavmir::findProfileValue(content, k[0], k[1])) {
            tavmir::interpretTextAlign(*v);
            tavmir::interpretMouseWheelSpeed(*v);
            tavmir::interpretMessageTime(*v);
        }
        const auto updated = tavmir::setProfileValue(content, k[0], k[1], "1234");
        if (!updated) std::abort();
        if (tavmir::findProfileValue(*updated, k[0], k[1]) != "1234") std::abort();
        if (tavmir::setProfileValue(*updated, k[0], k[1], "1234") != updated) std::abort();
    }
    tavmir::messageTimeNumber(content);
    return 0;
}
