#include "GnuLines.h"

namespace tavmir {

std::string withoutControls(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

std::string gnuLines(std::string_view file, const std::vector<Finding>& findings,
                     std::size_t counted) {
    const std::string name = withoutControls(file);
    std::string out;
    for (const Finding& f : findings) {
        out += name;
        if (f.line > 0) {
            out += ':';
            out += std::to_string(f.line);
        }
        out += f.kind == FindingKind::Error ? ": error: " : ": warning: ";
        out += withoutControls(f.text);
        out += '\n';
    }
    if (counted > findings.size())
        out += name + ": note: Too many errors and warnings: the rest are counted but not listed\n";
    return out;
}

}  // namespace tavmir
