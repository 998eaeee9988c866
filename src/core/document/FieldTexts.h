// The texts of an editor's value fields: 1..961 are the catalogue settings, 962..1045 the
// Average Ship rows. This is the editor's document; every operation reads and writes it.
#pragma once

#include <array>
#include <string>

#include "catalogue/SettingDef.h"

namespace tavmir {

class FieldTexts {
  public:
    // i = 1..1045.
    const std::string& operator[](int i) const { return m_texts[static_cast<std::size_t>(i)]; }
    std::string& operator[](int i) { return m_texts[static_cast<std::size_t>(i)]; }

  private:
    std::array<std::string, kFieldCount + 1> m_texts{};  // element 0 unused
};

}  // namespace tavmir
