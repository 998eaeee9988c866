// Whether two paths name the same file, the way this file system decides it. Two spellings of
// one file ("dir/../a.cfg", "./a.cfg", a symbolic link, a hard link) are the same; "A.cfg" and
// "a.cfg" are two files here. The editors use it to find an editor that already shows a file,
// the recent list to keep one entry per file, and the batch lists to refuse a file twice.
#pragma once

#include <string>
#include <string_view>

namespace tavmir {

// A text that is equal for two paths exactly when they name the same file: the device and
// inode of an existing file, else the absolute, lexically normal path. A path holding a NUL
// byte is never looked up (the system would read it only up to the NUL). Empty for an empty
// path.
std::string sameFileKey(std::string_view path);

// True when a and b have the same sameFileKey. Empty paths name no file.
bool samePath(std::string_view a, std::string_view b);

}  // namespace tavmir
