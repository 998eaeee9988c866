// The difference between a file's old and new bytes as a unified diff ("--- PATH", "+++ PATH",
// hunks of changed lines with three lines of context), which patch and git apply read. Lines
// end at LF; a CR before it belongs to the line, so a CR LF file's diff keeps its CRs, and a
// last line without a line end is marked "\ No newline at end of file".
#pragma once

#include <string>
#include <string_view>

namespace tavmir {

// The diff of before and after, both named path; empty when they are the same.
std::string unifiedDiff(std::string_view path, std::string_view before, std::string_view after);

}  // namespace tavmir
