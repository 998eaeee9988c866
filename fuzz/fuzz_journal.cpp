// The journal of a write in place, as the next start reads it from the state folder: any
// bytes are refused or taken whole, never half; a journal taken writes back as the same bytes;
// and whatever the bytes, the check of a file against a journal's states never fails.
#include <string>

#include "FuzzSupport.h"
#include "common/WriteJournal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    fuzz::Input in(data, size);
    const std::string_view bytes = in.rest();
    if (const auto journal = parseWriteJournal(bytes)) {
        fuzz::check(writeJournalBytes(*journal) == bytes);
        fuzz::check(isStateOfWrite(*journal, journal->oldBytes));
        fuzz::check(isStateOfWrite(*journal, journal->newBytes));
    }
    // A made-up journal of old and new halves of the input, against the input itself.
    WriteJournal made;
    made.target = "/zone/arena.cfg";
    made.oldBytes = std::string(bytes.substr(0, bytes.size() / 2));
    made.newBytes = std::string(bytes.substr(bytes.size() / 2));
    const std::string written = writeJournalBytes(made);
    const auto back = parseWriteJournal(written);
    fuzz::check(back && back->oldBytes == made.oldBytes && back->newBytes == made.newBytes &&
                back->target == made.target);
    (void)isStateOfWrite(made, bytes);
    // Every mix of the new bytes over the old ones is a state of the write.
    for (std::size_t k = made.oldBytes.size(); k <= made.newBytes.size(); ++k)
        fuzz::check(isStateOfWrite(
            made, made.newBytes.substr(0, k) +
                      (k < made.oldBytes.size() ? made.oldBytes.substr(k) : std::string())));
    return 0;
}
