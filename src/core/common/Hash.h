// FNV-1a, 64 bits: a fixed, well-spread hash of bytes, for telling contents apart (an editor's
// file on disk, a journal's bytes) and for names that must be the same for the same file.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavmir {

inline constexpr std::uint64_t kFnv1aOffset = 14695981039346656037ull;

// Continues the hash `h` over bytes; start from kFnv1aOffset.
constexpr std::uint64_t fnv1a64(std::string_view bytes, std::uint64_t h = kFnv1aOffset) {
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace tavmir
