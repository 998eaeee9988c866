// Damages a real mset.dat with arbitrary bytes at an arbitrary offset: the loader must either
// refuse it with a message or give a catalogue whose every lookup stays in range.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/StartupTables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    static const std::string good = [] {
        std::ifstream in(std::string(TAVMIR_BIN_DIR) + "/mset.dat", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    if (good.size() != kMasterFileSize || size < 4) return 0;
    std::string bytes = good;
    const std::size_t offset =
        (std::size_t{data[0]} | std::size_t{data[1]} << 8 | std::size_t{data[2]} << 16) %
        bytes.size();
    for (std::size_t i = 3; i < size && offset + i - 3 < bytes.size(); ++i)
        bytes[offset + i - 3] = static_cast<char>(data[i]);
    if (data[3] & 1) bytes.resize(offset);  // sometimes a truncated file

    const CatalogueLoad load = Catalogue::parse(bytes, "mset.dat");
    if (!load.catalogue) {
        if (load.error.empty()) std::abort();
        return 0;
    }
    const Catalogue& c = *load.catalogue;
    for (int i = 1; i <= kSettingCount; ++i) {
        const SettingDef& d = c[c.tabOrder(i)];
        if (d.page < 1 || d.page > 11 || d.column < 1 || d.column > 4 || d.row < 1) std::abort();
        if (c.findSetting(d.section, d.key) != c.findSettingByScan(d.section, d.key)) std::abort();
        (void)c[c.cfgWriteOrder(i)];
    }
    return 0;
}
