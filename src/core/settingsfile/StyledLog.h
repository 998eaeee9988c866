// The validation log: text appended in styled runs (font, size, bold, colour), as shown in
// the program's rich-text log boxes. The same runs are written out as plain text (the texts
// joined; line breaks are already CR LF inside them) or as an RTF document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavmir {

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0xFF0000;  // RGB 255, 0, 0
inline constexpr std::string_view kLogFont = "Verdana";
inline constexpr double kLogFontSize = 8.5;

struct LogRun {
    std::string text;
    std::string font;
    double size = kLogFontSize;
    bool bold = false;
    std::uint32_t color = kBlack;  // 0xRRGGBB
};

class StyledLog {
  public:
    // The text, then `lineBreaks` CR LF pairs, all in one style. A run continuing
    // the style of the previous one is merged into it.
    void append(std::string_view text, int lineBreaks, std::uint32_t color, bool bold,
                std::string_view font = kLogFont, double size = kLogFontSize);

    // Room for `more` bytes of text appended to the last run in its style, so that a long
    // text appended in pieces is not copied again as it grows.
    void reserve(std::size_t more);

    const std::vector<LogRun>& runs() const { return m_runs; }
    bool empty() const { return m_runs.empty(); }
    void clear() { m_runs.clear(); }

    // The text of every run, in order.
    std::string plainText() const;

  private:
    std::vector<LogRun> m_runs;
};

// An RTF document of the runs: font table, colour table, sizes in half-points, bold.
std::string toRtf(const StyledLog& log);

}  // namespace tavmir
