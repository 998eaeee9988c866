// recent.dat's text, arbitrary: at most eight entries, each one whole line of the text without
// its line end, in the order of the text; what a list holds writes back as text that reads
// back the same.
#include <string>

#include "FuzzSupport.h"
#include "session/RecentFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    fuzz::Input in(data, size);
    const unsigned choice = in.byte();
    const std::string_view text = in.rest();
    // Every other line "exists", so the result depends on the input alone.
    unsigned asked = 0;
    const auto exists = [&](const std::string&) { return ((asked++ + choice) & 1) == 0; };
    const auto entries = recentEntriesOfText(text, exists);
    check(entries.size() <= static_cast<std::size_t>(kMaxRecentFiles));
    std::string written;
    std::size_t from = 0;
    for (const std::string& e : entries) {
        check(!e.empty() && e.find_first_of("\r\n") == std::string::npos);
        from = text.find(e, from);
        check(from != std::string_view::npos);
        from += e.size();
        written += e + "\r\n";
        (void)recentMenuCaption(0, e);
    }
    check(recentEntriesOfText(written, [](const std::string&) { return true; }) == entries);
    return 0;
}
