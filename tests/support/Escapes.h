// The escapes of the data-driven tests' files: \r \n \t \0 \\ and \xHH, so that any bytes can
// stand in one line of a table or a script, and any bytes can be shown in one line again; and
// the clocks of the batch reports, which vary from run to run, masked for comparison.
#pragma once

#include <cstdio>
#include <string>

namespace tavmir::test {

inline std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const char c = s[++i];
        if (c == 'x' && i + 2 < s.size()) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        }
    }
    return out;
}

inline std::string escape(const std::string& s) {
    std::string out;
    for (const char ch : s) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '\\')
            out += "\\\\";
        else if (ch == '\r')
            out += "\\r";
        else if (ch == '\n')
            out += "\\n";
        else if (ch == '\t')
            out += "\\t";
        else if (ch == '\0')
            out += "\\0";
        else if (u < 0x20 || u >= 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else
            out += ch;
    }
    return out;
}

// A report's header clock becomes "(clock)" and every elapsed time "mm:ss".
inline std::string maskClocks(std::string s) {
    for (const std::string begin :
         {"Begin of validation", "Begin of comparison", "Begin of setting values"})
        if (const std::size_t at = s.find(begin); at != std::string::npos)
            s.replace(at + begin.size(), s.find('\n', at) - at - begin.size(), " (clock)");
    for (std::size_t at = 0; (at = s.find("Total time: ", at)) != std::string::npos; at += 12)
        if (s.size() >= at + 17) s.replace(at + 12, 5, "mm:ss");
    return s;
}

}  // namespace tavmir::test
