#include "settingsfile/StyledLog.h"

#include <cmath>

#include "common/Text.h"

namespace tavmir {

void StyledLog::append(std::string_view text, int lineBreaks, std::uint32_t color, bool bold,
                       std::string_view font, double size) {
    if (text.empty() && lineBreaks <= 0) return;
    const bool continues = !m_runs.empty() && m_runs.back().color == color &&
                           m_runs.back().bold == bold && m_runs.back().font == font &&
                           m_runs.back().size == size;
    if (!continues) m_runs.push_back(LogRun{std::string(), std::string(font), size, bold, color});
    std::string& into = m_runs.back().text;
    into += text;
    for (int i = 0; i < lineBreaks; ++i) into += kCrLf;
}

void StyledLog::reserve(std::size_t more) {
    if (!m_runs.empty()) m_runs.back().text.reserve(m_runs.back().text.size() + more);
}

std::string StyledLog::plainText() const {
    std::size_t total = 0;
    for (const LogRun& r : m_runs) total += r.text.size();
    std::string out;
    out.reserve(total);
    for (const LogRun& r : m_runs) out += r.text;
    return out;
}

namespace {

bool isPlain(unsigned char c) { return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}'; }

void appendEscaped(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Plain characters go over in one piece up to the next one that needs escaping.
        std::size_t plain = i;
        while (plain < text.size() && isPlain(static_cast<unsigned char>(text[plain]))) ++plain;
        out.append(text, i, plain - i);
        if (plain == text.size()) return;
        i = plain;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') {
            // CR LF, a lone CR and a lone LF each end one paragraph.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\\par\r\n";
        } else if (c == '\\' || c == '{' || c == '}') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c == '\t') {
            out += "\\tab ";
        } else {
            out += "\\'";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        }
    }
}

}  // namespace

std::string toRtf(const StyledLog& log) {
    std::vector<std::string> fonts;
    std::vector<std::uint32_t> colors;
    auto fontIndex = [&](const std::string& f) {
        for (std::size_t i = 0; i < fonts.size(); ++i)
            if (fonts[i] == f) return i;
        fonts.push_back(f);
        return fonts.size() - 1;
    };
    auto colorIndex = [&](std::uint32_t c) {
        for (std::size_t i = 0; i < colors.size(); ++i)
            if (colors[i] == c) return i + 1;  // entry 0 is the automatic colour
        colors.push_back(c);
        return colors.size();
    };
    fontIndex(std::string(kLogFont));
    colorIndex(kBlack);
    for (const LogRun& r : log.runs()) {
        fontIndex(r.font);
        colorIndex(r.color);
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil ";
        appendEscaped(out, fonts[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (std::uint32_t c : colors) {
        out += "\\red" + std::to_string((c >> 16) & 0xFF) + "\\green" +
               std::to_string((c >> 8) & 0xFF) + "\\blue" + std::to_string(c & 0xFF) + ";";
    }
    out += "}\r\n\\pard\\plain ";
    for (const LogRun& r : log.runs()) {
        const long halfPoints = std::lround(r.size * 2);
        out += "\\f" + std::to_string(fontIndex(r.font)) + "\\fs" + std::to_string(halfPoints) +
               "\\cf" + std::to_string(colorIndex(r.color)) + (r.bold ? "\\b " : "\\b0 ");
        appendEscaped(out, r.text);
    }
    out += "}\r\n";
    return out;
}

}  // namespace tavmir
