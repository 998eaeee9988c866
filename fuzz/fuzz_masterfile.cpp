// A real mset.dat damaged with arbitrary bytes at an arbitrary offset: the loader must either
// refuse it with a message or give a catalogue whose every lookup stays in range and answers as
// a scan in setting order would. The input: three bytes of offset (lowest first), one byte whose
// lowest bit cuts the file at the offset, then the bytes written there.
#include <fstream>
#include <iterator>
#include <string>

#include "FuzzSupport.h"
#include "catalogue/StartupTables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    static const std::string good = [] {
        std::ifstream in(std::string(TAVMIR_BIN_DIR) + "/mset.dat", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    check(good.size() == kMasterFileSize);
    fuzz::Input in(data, size);
    const std::size_t offset = in.littleEndian(3) % good.size();
    const bool truncate = (in.byte() & 1) != 0;
    std::string bytes = good;
    const std::string_view patch = in.rest().substr(0, bytes.size() - offset);
    bytes.replace(offset, patch.size(), patch);
    if (truncate) bytes.resize(offset);

    const CatalogueLoad load = Catalogue::parse(bytes, "mset.dat");
    if (!load.catalogue) {
        check(!load.error.empty());
        return 0;
    }
    const Catalogue& c = *load.catalogue;
    for (int i = 1; i <= kSettingCount; ++i) {
        const SettingDef& d = c[c.tabOrder(i)];
        check(d.page >= 1 && d.page <= 11 && d.column >= 1 && d.column <= 4 && d.row >= 1);
        check(c.findSetting(d.section, d.key) == c.findSettingByScan(d.section, d.key));
        (void)c[c.cfgWriteOrder(i)];
    }
    return 0;
}
