#include "catalogue/NameIndex.h"

namespace tavmir {

int NameIndex::find(std::string_view name) const {
    const std::uint64_t h = hash(name);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
        const Slot& s = m_slots[i];
        if (s.id < 0) return -1;
        if (s.hash == h && m_names[static_cast<std::size_t>(s.id)] == name) return s.id;
    }
}

int NameIndex::add(std::string_view name) {
    const int existing = find(name);
    if (existing >= 0) return existing;
    if ((m_names.size() + 1) * 2 > m_slots.size()) grow();
    const int id = static_cast<int>(m_names.size());
    m_names.emplace_back(name);
    const std::uint64_t h = hash(name);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = h & mask;
    while (m_slots[i].id >= 0) i = (i + 1) & mask;
    m_slots[i] = {h, id};
    return id;
}

void NameIndex::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& s : old) {
        if (s.id < 0) continue;
        std::size_t i = s.hash & mask;
        while (m_slots[i].id >= 0) i = (i + 1) & mask;
        m_slots[i] = s;
    }
}

}  // namespace tavmir
