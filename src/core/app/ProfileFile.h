// Initialization files ("[Section]" lines followed by "key=value" lines), read and written one
// value at a time, as the program keeps its preferences in tavmir.ini. Section and key names are
// compared ignoring ASCII case; names and values are trimmed of spaces and tabs. A write changes
// exactly one line (or adds a section or key line) and keeps every other line byte for byte, then
// replaces the whole file atomically, so a failed write never leaves a damaged file behind.
//
// Reading accepts lines ended by CR LF, CR or a bare LF; lines the module writes end in CR LF.
// A file above kProfileFileSizeLimit, or one that is not a regular file, is treated as unreadable:
// reads find nothing in it and writes refuse to replace it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/Status.h"

namespace tavmir {

// The longest value a read returns; longer values are cut to this many characters.
inline constexpr std::size_t kProfileValueLimit = 255;

// Initialization files are a few hundred bytes; anything bigger is not one of ours.
inline constexpr std::uintmax_t kProfileFileSizeLimit = 1024 * 1024;

enum class ProfileReadStatus {
    Found,       // the key exists (its value may still be empty)
    Missing,     // no such file, section or key
    Unreadable,  // the file exists but cannot be read, is too large or is not a regular file
};

struct ProfileValue {
    ProfileReadStatus status = ProfileReadStatus::Missing;
    std::string value;  // trimmed and cut to kProfileValueLimit; empty unless Found
};

// The value of section/key in the text of an initialization file, trimmed of spaces and tabs
// but not cut to length; nothing when the key is not there.
std::optional<std::string> findProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// The text of an initialization file after setting section/key to value: the key's line is
// replaced, or a key line is added at the end of the section, or a new section is appended.
// Nothing when a name or the value cannot be stored: an empty or blank-edged name, a line break or
// NUL anywhere, "=" in the key or a key starting with "[", "]" in the section.
std::optional<std::string> setProfileValue(std::string_view content, std::string_view section,
                                           std::string_view key, std::string_view value);

// The whole text of the file at path: Found with the text, Missing (no such file) or Unreadable.
ProfileReadStatus readProfileText(const std::filesystem::path& path, std::string& content);

// Reads one value from the file at path.
ProfileValue readProfileString(const std::filesystem::path& path, std::string_view section,
                               std::string_view key);

// Writes one value into the file at path, creating the file, section or key as needed; on a
// failure (with its reason) the file is unchanged.
Status writeProfileString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view value);

}  // namespace tavmir
