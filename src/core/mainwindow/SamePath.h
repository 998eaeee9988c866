// Whether two paths name the same file, the way this file system decides it. Two spellings of
// one file ("dir/../a.cfg", "./a.cfg", a symbolic link) are the same; "A.cfg" and "a.cfg" are two
// files here. The main window uses this to find an editor that already shows a file and to keep
// one recent-list entry per file.
#pragma once

#include <string_view>

namespace tavmir {

// True when a and b are equal once made absolute and lexically normal, or when both exist and
// the file system says they are the same file. Empty paths name no file.
bool samePath(std::string_view a, std::string_view b);

}  // namespace tavmir
