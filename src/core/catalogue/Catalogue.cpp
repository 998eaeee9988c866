#include "catalogue/Catalogue.h"

#include <cstring>

#include "common/FileRead.h"
#include "common/Text.h"

namespace tavmir {
namespace {

constexpr std::string_view kReinstall = "You must reinstall the application";

std::int32_t readInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

std::string openFailure(const std::string& path, const std::string& reason) {
    return paragraphs(
        {"Error opening master file: " + path + std::string(kCrLf) + reason, kReinstall});
}

std::string readFailure(const std::string& path, const std::string& reason) {
    return paragraphs(
        {"Error reading from master file: " + path + std::string(kCrLf) + reason, kReinstall});
}

std::string corrupt(const std::string& path) {
    return paragraphs({"Master file is corrupt: " + path, kReinstall});
}

bool isPermutation(const std::vector<int>& order) {
    std::vector<bool> seen(kSettingCount + 1, false);
    for (int n : order) {
        if (n < 1 || n > kSettingCount || seen[static_cast<std::size_t>(n)]) return false;
        seen[static_cast<std::size_t>(n)] = true;
    }
    return true;
}

// The loader refuses what would make a later screen index out of range: a page, row or
// column outside the grid, a negative length, or orders that are not permutations.
bool plausible(const SettingDef& d) {
    return d.page >= 1 && d.page <= 11 && d.row >= 1 && d.row <= 84 && d.column >= 1 &&
           d.column <= 4 && d.maxLength >= 0 && d.maxLength <= 65535;
}

}  // namespace

CatalogueLoad Catalogue::load(const std::filesystem::path& folder, LookupMode mode) {
    const std::string path = (folder / kMasterFileName).string();
    const FileReadResult read = readFile(path, kMasterFileSize);
    if (!read) {
        const ReadError& e = read.error();
        switch (e.failure) {
            case ReadFailure::TooLarge:
                return {nullptr, corrupt(path)};
            case ReadFailure::NotFound:
            case ReadFailure::OpenFailed:
            case ReadFailure::NotRegular:
                return {nullptr, openFailure(path, e.reason())};
            case ReadFailure::ReadFailed:
                break;
        }
        return {nullptr, readFailure(path, e.reason())};
    }
    if (read->bytes.size() != kMasterFileSize) return {nullptr, corrupt(path)};
    return parse(read->bytes, path, mode);
}

CatalogueLoad Catalogue::parse(std::string_view bytes, const std::string& masterPath,
                               LookupMode mode) {
    if (bytes.size() != kMasterFileSize) return {nullptr, corrupt(masterPath)};

    std::shared_ptr<Catalogue> cat(new Catalogue());
    cat->m_defs.resize(kSettingCount);
    for (int n = 0; n < kSettingCount; ++n) {
        const std::string_view r =
            bytes.substr(static_cast<std::size_t>(n) * kRecordSize, kRecordSize);
        SettingDef& d = cat->m_defs[static_cast<std::size_t>(n)];
        d.section = std::string(trimSpaces(r.substr(0, 11)));
        d.key = std::string(trimSpaces(r.substr(11, 30)));
        d.defaultValue = std::string(trimSpaces(r.substr(41, 40)));
        d.lowLimit = readInt32(r, 81);
        d.highLimit = readInt32(r, 85);
        const std::int32_t descLength = readInt32(r, 344);
        if (descLength < 0) return {nullptr, corrupt(masterPath)};
        d.description = std::string(
            r.substr(89, std::min<std::size_t>(255, static_cast<std::size_t>(descLength))));
        d.valueType = r[352];
        d.maxLength = readInt32(r, 353);
        d.page = readInt32(r, 357);
        d.row = readInt32(r, 361);
        d.column = readInt32(r, 365);
        if (!plausible(d)) return {nullptr, corrupt(masterPath)};
    }

    const std::size_t ordersAt = kSettingCount * kRecordSize;
    cat->m_tabOrder.resize(kSettingCount);
    cat->m_cfgWriteOrder.resize(kSettingCount);
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        cat->m_tabOrder[i] = readInt32(bytes, ordersAt + i * 4);
        cat->m_cfgWriteOrder[i] = readInt32(bytes, ordersAt + kSettingCount * 4 + i * 4);
    }
    if (!isPermutation(cat->m_tabOrder) || !isPermutation(cat->m_cfgWriteOrder))
        return {nullptr, corrupt(masterPath)};

    cat->m_indexed = mode == LookupMode::Indexed;
    cat->m_qualifiedNames.reserve(kSettingCount);
    for (const SettingDef& d : cat->m_defs)
        cat->m_qualifiedNames.push_back(d.section + ":" + d.key);
    if (cat->m_indexed) cat->buildIndexes();
    return {std::move(cat), {}};
}

void Catalogue::buildIndexes() {
    // Numbers are added in ascending order, so each list answers like a scan from setting 1.
    for (int n = 1; n <= kSettingCount; ++n) {
        const SettingDef& d = (*this)[n];
        m_sections.add(d.section);
        const auto key = static_cast<std::size_t>(m_keys.add(d.key));
        if (key == m_settingsOfKey.size()) m_settingsOfKey.emplace_back();
        m_settingsOfKey[key].push_back(n);
    }
}

bool Catalogue::sectionExists(std::string_view section) const {
    if (!m_indexed) return sectionExistsByScan(section);
    return m_sections.find(section) >= 0;
}

bool Catalogue::keyExists(std::string_view key) const {
    if (!m_indexed) return keyExistsByScan(key);
    return m_keys.find(key) >= 0;
}

int Catalogue::findSetting(std::string_view section, std::string_view key) const {
    if (!m_indexed) return findSettingByScan(section, key);
    return match(section, key).setting;
}

Catalogue::KeyMatch Catalogue::match(std::string_view section, std::string_view key) const {
    if (!m_indexed) return {keyExistsByScan(key), findSettingByScan(section, key)};
    const int id = m_keys.find(key);
    if (id < 0) return {false, 0};
    for (int n : m_settingsOfKey[static_cast<std::size_t>(id)])
        if ((*this)[n].section == section) return {true, n};
    return {true, 0};
}

bool Catalogue::sectionExistsByScan(std::string_view section) const {
    for (const SettingDef& d : m_defs)
        if (d.section == section) return true;
    return false;
}

bool Catalogue::keyExistsByScan(std::string_view key) const {
    for (const SettingDef& d : m_defs)
        if (d.key == key) return true;
    return false;
}

int Catalogue::findSettingByScan(std::string_view section, std::string_view key) const {
    for (int n = 1; n <= kSettingCount; ++n)
        if ((*this)[n].section == section && (*this)[n].key == key) return n;
    return 0;
}

}  // namespace tavmir
