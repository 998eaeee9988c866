// The read-only table of the 961 settings the server knows, loaded once from mset.dat, with
// the keyboard tab order and the CFG write order stored in the same file.
//
// mset.dat has no header: 961 packed records of 369 bytes (space-padded texts, little-endian
// 32-bit integers), then TabOrder and CfgWriteOrder as 961 32-bit setting numbers each,
// exactly 362297 bytes. Keep in step with tools/mkcatalogue.cpp, which writes it.
//
// The lookups answer exactly as a scan in setting-number order would (exact, case-sensitive
// names, the first match wins), but through hash indexes built at load time.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/NameIndex.h"
#include "catalogue/SettingDef.h"

namespace tavmir {

inline constexpr std::size_t kRecordSize = 369;
inline constexpr std::size_t kMasterFileSize = kSettingCount * kRecordSize + 2 * kSettingCount * 4;
inline constexpr std::string_view kMasterFileName = "mset.dat";

class Catalogue;

// How the lookups are answered: through hash indexes, or by scanning the 961 records as the
// plainest reading of the rules would (kept for comparison in the benchmarks).
enum class LookupMode {
    Indexed,
    Scan,
};

struct CatalogueLoad {
    std::shared_ptr<const Catalogue> catalogue;  // null on failure
    std::string error;                           // the message to show; empty on success
};

class Catalogue {
  public:
    // Reads folder/mset.dat. On failure returns the exact message the user is shown.
    static CatalogueLoad load(const std::filesystem::path& folder,
                              LookupMode mode = LookupMode::Indexed);
    // Parses the file's bytes; masterPath is only used in messages.
    static CatalogueLoad parse(std::string_view bytes, const std::string& masterPath,
                               LookupMode mode = LookupMode::Indexed);

    // n = 1..961.
    const SettingDef& operator[](int n) const { return m_defs[static_cast<std::size_t>(n - 1)]; }
    const SettingDef& setting(int n) const { return (*this)[n]; }

    // i = 1..961: the setting number i-th in tab order / in the CFG write order.
    int tabOrder(int i) const { return m_tabOrder[static_cast<std::size_t>(i - 1)]; }
    int cfgWriteOrder(int i) const { return m_cfgWriteOrder[static_cast<std::size_t>(i - 1)]; }

    // n = 1..961: "Section:Key", as messages and reports name the setting.
    const std::string& qualifiedName(int n) const {
        return m_qualifiedNames[static_cast<std::size_t>(n - 1)];
    }

    // True when some setting has exactly this section / key.
    bool sectionExists(std::string_view section) const;
    bool keyExists(std::string_view key) const;
    // First setting number with this section and key, 0 when none.
    int findSetting(std::string_view section, std::string_view key) const;

    // Both answers of one line's lookup at once: whether the key exists, and the first
    // setting with this section and key (0 when none).
    struct KeyMatch {
        bool keyExists;
        int setting;
    };
    KeyMatch match(std::string_view section, std::string_view key) const;

    // The same answers by a plain scan; kept for tests and the benchmark's comparison.
    bool sectionExistsByScan(std::string_view section) const;
    bool keyExistsByScan(std::string_view key) const;
    int findSettingByScan(std::string_view section, std::string_view key) const;

  private:
    Catalogue() = default;
    void buildIndexes();

    bool m_indexed = true;
    std::vector<SettingDef> m_defs;
    std::vector<int> m_tabOrder;
    std::vector<int> m_cfgWriteOrder;
    std::vector<std::string> m_qualifiedNames;
    NameIndex m_sections;
    NameIndex m_keys;
    // Key id -> every setting number with that key, ascending (at most a ship group's
    // eight), so one lookup answers both "key exists" and "find setting".
    std::vector<std::vector<int>> m_settingsOfKey;
};

}  // namespace tavmir
