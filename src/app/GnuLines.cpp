#include "GnuLines.h"

#include "common/Text.h"

namespace tavmir {

std::string gnuLines(std::string_view file, const std::vector<Finding>& findings,
                     std::size_t counted) {
    const std::string name = printableText(file);
    std::string out;
    for (const Finding& f : findings) {
        out += name;
        if (f.line > 0) {
            out += ':';
            out += std::to_string(f.line);
        }
        out += f.kind == FindingKind::Error ? ": error: " : ": warning: ";
        out += printableText(f.text);
        out += '\n';
    }
    if (counted > findings.size())
        out += name + ": note: Too many errors and warnings: the rest are counted but not listed\n";
    return out;
}

}  // namespace tavmir
