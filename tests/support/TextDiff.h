// A short account of where two texts first differ, for golden-file failures: the line number,
// a few lines of context, then the expected and the actual lines from there on (at most a few
// each), line ends shown as \r and \n so a CR LF against an LF is visible.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir::test {

inline std::vector<std::string_view> splitKeepingEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

inline std::string visibleLine(std::string_view line) {
    std::string out;
    for (char c : line) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

// Empty when the texts are equal.
inline std::string firstDifference(std::string_view actual, std::string_view expected,
                                   std::size_t context = 3) {
    if (actual == expected) return {};
    const std::vector<std::string_view> a = splitKeepingEnds(actual);
    const std::vector<std::string_view> e = splitKeepingEnds(expected);
    std::size_t first = 0;
    while (first < a.size() && first < e.size() && a[first] == e[first]) ++first;
    std::string out = "first difference at line " + std::to_string(first + 1) + "\n";
    for (std::size_t i = first > context ? first - context : 0; i < first; ++i)
        out += "    " + visibleLine(e[i]) + "\n";
    auto show = [&out, first, context](const char* mark,
                                       const std::vector<std::string_view>& lines) {
        const std::size_t last = std::min(lines.size(), first + context + 1);
        if (first >= lines.size()) out += std::string(mark) + " (end of text)\n";
        for (std::size_t i = first; i < last; ++i)
            out += std::string(mark) + " " + visibleLine(lines[i]) + "\n";
    };
    show("- expected", e);
    show("+ actual  ", a);
    return out;
}

}  // namespace tavmir::test
