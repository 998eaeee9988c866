// The key filters of the editor's value fields and the small edit dialogs: which typed
// characters a field takes (Backspace always passes).
#pragma once

namespace tavmir {

// The code of Backspace, which every key filter lets through.
inline constexpr char16_t kBackspaceKey = 8;

// Numeric value fields: "0".."9", "-" and Backspace pass; returns the code, or 0 when refused.
char16_t numericKeyFilter(char16_t code);

// Alphanumeric value fields: codes 32..127 and Backspace pass; returns the code, or 0.
char16_t textKeyFilter(char16_t code);

}  // namespace tavmir
