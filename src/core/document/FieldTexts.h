// The texts of an editor's value fields: 1..961 are the catalogue settings, 962..1045 the
// Average Ship rows; and a write of one text into one field, as the operations hand their
// changes to the editor's document (EditorDocument::applyWrites) instead of writing the
// fields themselves.
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

struct FieldWrite {
    int field = 0;  // 1..961
    std::string text;
};

}  // namespace tavmir
