#include "batch/UnifiedDiff.h"

#include <algorithm>
#include <vector>

namespace tavmir {
namespace {

constexpr std::size_t kContext = 3;

// The lines of bytes, each with its LF (the last one without, when the bytes end without).
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t lf = bytes.find('\n', from);
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
        lines.push_back(bytes.substr(from, end - from));
        from = end;
    }
    return lines;
}

void appendLine(std::string& out, char mark, std::string_view line) {
    out += mark;
    out += line;
    if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

// The lines that stay on both sides: the longest common subsequence, found on the lines left
// once the common head and tail are taken off (the writes of one value change a handful of
// lines, so what is left is small).
struct Match {
    std::size_t a;
    std::size_t b;
};

std::vector<Match> commonLines(const std::vector<std::string_view>& a,
                               const std::vector<std::string_view>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    std::vector<Match> matches;
    for (std::size_t i = 0; i < head; ++i) matches.push_back({i, i});
    const std::size_t n = a.size() - head - tail;
    const std::size_t m = b.size() - head - tail;
    // The middle: an exact table when it is small, else nothing of it is taken as common (a
    // correct diff still, only longer).
    if (n > 0 && m > 0 && n * m <= 4'000'000) {
        std::vector<std::uint32_t> table((n + 1) * (m + 1), 0);
        const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& {
            return table[i * (m + 1) + j];
        };
        for (std::size_t i = n; i-- > 0;)
            for (std::size_t j = m; j-- > 0;)
                at(i, j) = a[head + i] == b[head + j] ? at(i + 1, j + 1) + 1
                                                      : std::max(at(i + 1, j), at(i, j + 1));
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < n && j < m) {
            if (a[head + i] == b[head + j]) {
                matches.push_back({head + i, head + j});
                ++i;
                ++j;
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
    }
    for (std::size_t t = tail; t > 0; --t) matches.push_back({a.size() - t, b.size() - t});
    return matches;
}

std::string range(std::size_t start, std::size_t count) {
    // A hunk of no lines on one side is written at the line before it.
    const std::size_t first = count == 0 ? start : start + 1;
    return count == 1 ? std::to_string(first) : std::to_string(first) + "," + std::to_string(count);
}

}  // namespace

std::string unifiedDiff(std::string_view path, std::string_view before, std::string_view after) {
    if (before == after) return {};
    const std::vector<std::string_view> a = linesOf(before);
    const std::vector<std::string_view> b = linesOf(after);
    std::vector<Match> matches = commonLines(a, b);
    matches.push_back({a.size(), b.size()});  // the end, as a match after the last line

    // The edits: runs of lines between consecutive matches.
    struct Edit {
        std::size_t a0, a1, b0, b1;
    };
    std::vector<Edit> edits;
    std::size_t ai = 0;
    std::size_t bi = 0;
    for (const Match& m : matches) {
        if (m.a > ai || m.b > bi) edits.push_back({ai, m.a, bi, m.b});
        ai = m.a + 1;
        bi = m.b + 1;
    }

    std::string out = "--- " + std::string(path) + "\n+++ " + std::string(path) + "\n";
    std::size_t e = 0;
    while (e < edits.size()) {
        // A hunk takes the edits whose context touches.
        std::size_t last = e;
        while (last + 1 < edits.size() && edits[last + 1].a0 - edits[last].a1 <= 2 * kContext)
            ++last;
        const std::size_t a0 = edits[e].a0 - std::min(kContext, edits[e].a0);
        const std::size_t b0 = edits[e].b0 - (edits[e].a0 - a0);
        const std::size_t a1 = std::min(a.size(), edits[last].a1 + kContext);
        const std::size_t b1 = edits[last].b1 + (a1 - edits[last].a1);
        out += "@@ -" + range(a0, a1 - a0) + " +" + range(b0, b1 - b0) + " @@\n";
        std::size_t i = a0;
        for (std::size_t k = e; k <= last; ++k) {
            for (; i < edits[k].a0; ++i) appendLine(out, ' ', a[i]);
            for (std::size_t x = edits[k].a0; x < edits[k].a1; ++x) appendLine(out, '-', a[x]);
            for (std::size_t y = edits[k].b0; y < edits[k].b1; ++y) appendLine(out, '+', b[y]);
            i = edits[k].a1;
        }
        for (; i < a1; ++i) appendLine(out, ' ', a[i]);
        e = last + 1;
    }
    return out;
}

}  // namespace tavmir
