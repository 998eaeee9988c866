// The list of a file's errors and warnings as the reader writes it: one CR LF line per message,
// "3. Error in line 7: " and the text, written piece by piece (texts and whole numbers) with no
// text built in between, since a file can give a thousand messages; the findings, when asked
// for, keep each text without its head. Past kMaxListedMessages a line says the rest are only
// counted.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "settingsfile/SettingsFileData.h"

namespace tavmir {

// Above this many listed messages a pathological file would make the log grow without bound;
// further errors and warnings are still counted.
inline constexpr std::int32_t kMaxListedMessages = 100000;

// Where a message is about, for the findings: its kind, line (0: none), section and key.
struct MessagePlace {
    FindingKind kind = FindingKind::Error;
    int line = 0;
    std::string_view section, key;
};

class MessageLines {
  public:
    MessageLines(std::string& text, std::vector<Finding>* findings)
        : m_text(text), m_findings(findings) {}

    // One message: its head (number and kind) and its text, each a tuple or list of fixed
    // texts, views and whole numbers.
    template <typename... Head, typename... Text>
    void add(const MessagePlace& place, const std::tuple<Head...>& head, const Text&... text) {
        if (m_listed < kMaxListedMessages) {
            const std::size_t headSize =
                std::apply([](const auto&... h) { return (partSize(h) + ... + 0); }, head);
            const std::size_t size = headSize + (partSize(text) + ... + 2);
            char line[256];
            const bool fits = size <= sizeof line;
            const std::size_t from = m_text.size();
            if (!fits) m_text.resize(from + size);
            char* const start = fits ? line : m_text.data() + from;
            char* at = std::apply(
                [start](const auto&... h) {
                    char* p = start;
                    ((p = putPart(p, h)), ...);
                    return p;
                },
                head);
            const std::size_t textFrom = static_cast<std::size_t>(at - start);
            ((at = putPart(at, text)), ...);
            if (m_findings)
                m_findings->push_back(
                    {place.kind,
                     place.line,
                     std::string(start + textFrom, static_cast<std::size_t>(at - start) - textFrom),
                     std::string(place.section),
                     std::string(place.key),
                     {}});
            at = putPart(at, "\r\n");
            if (fits)
                m_text.append(line, static_cast<std::size_t>(at - line));
            else
                m_text.resize(from + static_cast<std::size_t>(at - start));
        } else if (m_listed == kMaxListedMessages) {
            m_text += "Too many errors and warnings: the rest are counted but not listed\r\n";
        }
        ++m_listed;
    }

  private:
    // Fixed texts are copied with their length known when compiled.
    template <std::size_t N>
    static constexpr std::size_t partSize(const char (&)[N]) {
        return N - 1;
    }
    static std::size_t partSize(std::string_view text) { return text.size(); }
    static std::size_t partSize(std::int64_t) { return 20; }
    template <std::size_t N>
    static char* putPart(char* at, const char (&text)[N]) {
        std::memcpy(at, text, N - 1);
        return at + N - 1;
    }
    static char* putPart(char* at, std::string_view text) {
        if (!text.empty()) std::memcpy(at, text.data(), text.size());
        return at + text.size();
    }
    static char* putPart(char* at, std::int64_t n) { return std::to_chars(at, at + 20, n).ptr; }

    std::string& m_text;
    std::vector<Finding>* m_findings;
    std::int32_t m_listed = 0;
};

}  // namespace tavmir
