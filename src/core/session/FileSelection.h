// The files of an open dialog's multiple selection.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

// The full paths of a file dialog's selection: a single path as it is, or a folder followed by
// NUL-separated file names (empty names are skipped).
std::vector<std::string> splitFileSelection(std::string_view selection);

}  // namespace tavmir
