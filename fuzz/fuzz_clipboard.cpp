// The clipboard import on arbitrary text: every record names a catalogue setting exactly, the
// line a record is shown as reads back as that record (blanks at the end of a line are not
// kept), and importing every record writes each setting's last value.
#include <map>
#include <string>

#include "FuzzSupport.h"
#include "operations/ClipboardTransfer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Catalogue& cat = fuzz::catalogue();
    ImportParse parsed = parseImportText(cat, text);
    check(parsed.records.empty() != parsed.message.empty());
    std::map<int, std::string> last;
    for (TransferRecord& r : parsed.records) {
        check(r.item >= 1 && r.item <= kSettingCount);
        check(cat[r.item].section == r.section && cat[r.item].key == r.key);
        const ImportParse again = parseImportText(cat, transferLine(r));
        check(again.records.size() == 1 && again.records[0].item == r.item);
        std::string_view kept = r.value;
        while (!kept.empty() && kept.back() == ' ') kept.remove_suffix(1);
        check(again.records[0].value == kept);
        r.selected = true;
        last[r.item] = r.value;
    }
    const ImportWrites writes = importSelected(parsed.records);
    check(writes.count == static_cast<int>(parsed.records.size()));
    std::map<int, std::string> written;
    for (const FieldWrite& w : writes.writes) written[w.field] = w.text;
    check(written == last);
    return 0;
}
