#include "common/Text.h"

namespace tavmir {

std::string toUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string toLowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string unixLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

std::string printableText(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (u < 0x20 || u == 0x7f) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

std::string paragraphs(std::initializer_list<std::string_view> texts) {
    std::string out;
    bool first = true;
    for (const std::string_view t : texts) {
        if (!first) {
            out += kCrLf;
            out += kCrLf;
        }
        first = false;
        out += t;
    }
    return out;
}

std::string menuLiteral(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

std::string decimal(std::int64_t n) { return std::to_string(n); }

std::string zeroPadded(std::int64_t n, std::size_t digits) {
    std::string s = std::to_string(n);
    if (s.size() < digits) s.insert(0, digits - s.size(), '0');
    return s;
}

std::string padText(std::string_view text, int alignment, std::int32_t width,
                    std::string_view fill) {
    if (alignment != 1 && alignment != 2) return {};
    if (width < 0 || width > kPadTextWidthLimit) return {};
    const auto w = static_cast<std::size_t>(width);
    if (text.size() == w) return std::string(text);
    if (text.size() > w)
        return std::string(alignment == 1 ? text.substr(0, w) : text.substr(text.size() - w));
    const std::string padding(w - text.size(), fill.empty() ? ' ' : fill.front());
    return alignment == 1 ? std::string(text) + padding : padding + std::string(text);
}

}  // namespace tavmir
