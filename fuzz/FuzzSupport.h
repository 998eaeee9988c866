// What the fuzz targets share: the project's catalogue, built beside the program, and a way to
// take a few choices off the front of an input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "catalogue/Catalogue.h"

namespace tavmir::fuzz {

// The catalogue the program loads at start-up; a target cannot run without it.
inline const Catalogue& catalogue() {
    static const std::shared_ptr<const Catalogue> cat = [] {
        auto load = Catalogue::load(TAVMIR_BIN_DIR);
        if (!load.catalogue) std::abort();
        return load.catalogue;
    }();
    return *cat;
}

// The bytes of one input, with choices read off the front.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}
    // The next byte (0 when none is left), removed from the rest.
    unsigned byte() {
        if (m_rest.empty()) return 0;
        const auto b = static_cast<unsigned char>(m_rest.front());
        m_rest.remove_prefix(1);
        return b;
    }
    // The next `count` bytes (at most 4) as one number, the first byte the lowest; each byte
    // is taken in turn, so the number does not depend on an order of evaluation.
    std::uint32_t littleEndian(int count) {
        std::uint32_t n = 0;
        for (int i = 0; i < count; ++i) n |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return n;
    }
    // The next `count` bytes (fewer when fewer are left), removed from the rest.
    std::string_view take(std::size_t count) {
        const std::string_view taken = m_rest.substr(0, count);
        m_rest.remove_prefix(taken.size());
        return taken;
    }
    std::string_view rest() const { return m_rest; }

  private:
    std::string_view m_rest;
};

inline void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace tavmir::fuzz
