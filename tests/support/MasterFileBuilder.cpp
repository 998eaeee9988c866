#include "support/MasterFileBuilder.h"

#include "catalogue/StartupTables.h"

namespace tavmir::test {
namespace {

void putText(std::string& out, const std::string& text, std::size_t width) {
    std::string field = text.substr(0, width);
    field.resize(width, ' ');
    out += field;
}

void putInt(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

}  // namespace

MasterFileBuilder::MasterFileBuilder() {
    records.resize(kSettingCount);
    for (int n = 1; n <= kSettingCount; ++n) {
        RawRecord& r = records[static_cast<std::size_t>(n - 1)];
        if (n <= 286 || n >= 959) {
            r.section = "Gen";
            r.key = "G" + std::to_string(n);
            r.page = n <= 91 || n >= 959 ? 1 : (n <= 187 ? 2 : 3);
            const int first = n >= 959 ? 92 - 3 : (r.page == 1 ? 1 : (r.page == 2 ? 92 : 188));
            const int index = (n >= 959 ? n - 959 + 91 : n - first);
            r.row = index % 28 + 1;
            r.column = index / 28 + 1;
        } else {
            const int group = (n - 287) / 8;
            const int inGroup = (n - 287) % 8;
            // Record order inside a group: Warbird, Javelin, Spider, Leviathan, Weasel, Terrier,
            // ...
            static const int kShipOfRecord[8] = {0, 1, 2, 3, 5, 4, 6, 7};
            const int ship = kShipOfRecord[inGroup];
            r.section = kShipNames[static_cast<std::size_t>(ship)];
            r.key = "K" + std::to_string(group);
            r.page = 4 + ship;
            r.row = group % 21 + 1;
            r.column = group / 21 + 1;
        }
        r.defaultValue = "0";
        r.description = "Setting " + std::to_string(n);
    }
    for (int n = 1; n <= kSettingCount; ++n) {
        tabOrder.push_back(n);
        cfgWriteOrder.push_back(n);
    }
}

std::string MasterFileBuilder::pack() const {
    std::string out;
    out.reserve(362297);
    for (const RawRecord& r : records) {
        putText(out, r.section, 11);
        putText(out, r.key, 30);
        putText(out, r.defaultValue, 40);
        putInt(out, r.low);
        putInt(out, r.high);
        putText(out, r.description, 255);
        putInt(out, r.descriptionLength != INT32_MIN
                        ? r.descriptionLength
                        : static_cast<std::int32_t>(r.description.size()));
        putInt(out, 0);
        out.push_back(r.valueType);
        putInt(out, r.maxLength);
        putInt(out, r.page);
        putInt(out, r.row);
        putInt(out, r.column);
    }
    for (std::int32_t v : tabOrder) putInt(out, v);
    for (std::int32_t v : cfgWriteOrder) putInt(out, v);
    return out;
}

}  // namespace tavmir::test
