// A small open-addressing hash index from names to dense ids, built once. Lookups hash the
// name once and compare it once on a hit; no allocation, no chains.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

class NameIndex {
  public:
    // Adds a name if new; returns its id (ids count from 0 in order of first addition).
    int add(std::string_view name);
    // The id of the name, or -1.
    int find(std::string_view name) const;
    std::size_t size() const { return m_names.size(); }

  private:
    // Mixes the length with the first and last eight bytes: constant time, and the names of
    // the catalogue differ there. A collision only costs one more comparison.
    static std::uint64_t hash(std::string_view s) {
        std::uint64_t head = 0, tail = 0;
        const std::size_t n = s.size();
        if (n >= 8) {
            std::memcpy(&head, s.data(), 8);
            std::memcpy(&tail, s.data() + n - 8, 8);
        } else if (n > 0) {
            std::memcpy(&head, s.data(), n);
        }
        std::uint64_t h = (head * 0x9E3779B97F4A7C15ull) ^ (tail * 0xC2B2AE3D27D4EB4Full) ^
                          (n * 0x165667B19E3779F9ull);
        return h ^ (h >> 29);
    }
    void grow();

    struct Slot {
        std::uint64_t hash = 0;
        int id = -1;
    };
    std::vector<Slot> m_slots = std::vector<Slot>(64);  // size a power of two, at most half full
    std::vector<std::string> m_names;
};

}  // namespace tavmir
