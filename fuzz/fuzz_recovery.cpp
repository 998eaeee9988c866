// The recovery journal of unsaved changes, as the next start reads it from the state folder:
// any bytes are refused with a fault or taken whole; a journal taken writes back as the same
// bytes. The input is read twice: as it is, and with a correct end hash put after it, so that
// the fuzzer reaches the fields behind the hash check.
#include <string>

#include "FuzzSupport.h"
#include "common/Hash.h"
#include "session/RecoveryJournal.h"

namespace {

void readBack(std::string_view bytes) {
    using namespace tavmir;
    const auto journal = parseRecoveryJournal(bytes);
    if (!journal) return;
    fuzz::check(recoveryJournalBytes(*journal) == bytes);
    fuzz::check(journal->fileType == "CFG" || journal->fileType == "SET");
    for (const FieldWrite& w : journal->changes)
        fuzz::check(w.field >= 1 && w.field <= kSettingCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    fuzz::Input in(data, size);
    const std::string_view bytes = in.rest();
    readBack(bytes);
    std::string sealed(bytes);
    static const char digits[] = "0123456789abcdef";
    std::uint64_t h = fnv1a64(sealed);
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) hex[static_cast<std::size_t>(i)] = digits[h & 15u];
    sealed += "end " + hex + "\n";
    readBack(sealed);
    return 0;
}
