#include "app/SharedRoutines.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>
#include <system_error>

namespace tavmir {
namespace {

std::mt19937& processGenerator() {
    static std::mt19937 generator{
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())};
    return generator;
}

// Appends n with at least two digits. Texts here are built piece by piece: GCC 12 reports a
// false -Wrestrict inside std::string for chains of operator+ at -O3.
void appendTwoDigits(std::string& out, std::int64_t n) {
    if (n >= 0 && n < 10) out += '0';
    out += std::to_string(n);
}

std::string zeroPadded(std::int64_t n, std::size_t digits) {
    std::string s = std::to_string(n);
    if (s.size() < digits) s.insert(0, digits - s.size(), '0');
    return s;
}

// floor(draw * scale), kept inside 0..scale-1 even for a source that strays outside [0, 1).
int scaledDraw(double draw, int scale) {
    if (!(draw >= 0)) return 0;  // also catches NaN
    const double v = std::floor(draw * scale);
    return v >= scale ? scale - 1 : static_cast<int>(v);
}

}  // namespace

char16_t numericKeyFilter(char16_t code) {
    if ((code >= u'0' && code <= u'9') || code == u'-' || code == kBackspaceKey) return code;
    return 0;
}

char16_t textKeyFilter(char16_t code) {
    if ((code >= 32 && code <= 127) || code == kBackspaceKey) return code;
    return 0;
}

std::string formatElapsedTime(std::int32_t milliseconds, std::string_view precision) {
    const std::int64_t ms = milliseconds < 0 ? 0 : milliseconds;
    const std::int64_t totalSeconds = ms / 1000;
    const std::int64_t rest = ms % 1000;
    const std::int64_t hours = totalSeconds / 3600;
    const std::int64_t minutes = (totalSeconds / 60) % 60;
    const std::int64_t seconds = totalSeconds % 60;

    std::string text;
    text.reserve(16);
    if (hours != 0) {
        appendTwoDigits(text, hours);
        text += ':';
    }
    appendTwoDigits(text, minutes);
    text += ':';
    appendTwoDigits(text, seconds);
    const char p = precision.empty() ? '\0' : precision.front();
    const int digits = (p == 'M' || p == 'm')   ? 3
                       : (p == 'C' || p == 'c') ? 2
                       : (p == 'D' || p == 'd') ? 1
                                                : 0;
    if (digits > 0) {
        text += '.';
        text += zeroPadded(digits == 3   ? rest
                           : digits == 2 ? rest / 10
                                         : rest / 100,
                           static_cast<std::size_t>(digits));
    }
    return text;
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

std::vector<std::string> splitFileSelection(std::string_view selection) {
    const std::size_t firstNul = selection.find('\0');
    if (firstNul == std::string_view::npos) return {std::string(selection)};

    std::string folder(selection.substr(0, firstNul));
    if (folder.empty() || folder.back() != '/') folder += '/';
    std::vector<std::string> paths;
    std::string_view names = selection.substr(firstNul + 1);
    while (true) {
        const std::size_t nul = names.find('\0');
        const std::string_view name = names.substr(0, nul);
        // A trailing or doubled NUL would otherwise give the folder itself as a file.
        if (!name.empty()) paths.push_back(folder + std::string(name));
        if (nul == std::string_view::npos) break;
        names.remove_prefix(nul + 1);
    }
    return paths;
}

double processRandom() { return std::generate_canonical<double, 32>(processGenerator()); }

void seedProcessRandom(std::uint32_t seed) { processGenerator().seed(seed); }

std::string temporaryFileName(std::string_view folder, const RandomSource& random) {
    std::string prefix(folder);
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const double r1 = random ? random() : processRandom();
        const double r2 = random ? random() : processRandom();
        const double r3 = random ? random() : processRandom();
        std::string name = prefix;
        name += static_cast<char>('a' + scaledDraw(r1, 26));
        name += static_cast<char>('a' + scaledDraw(r2, 26));
        name += zeroPadded(scaledDraw(r3, 100000), 6);
        name += ".tmp";
        std::error_code ec;
        // A dangling link counts as taken: a file created under its name would land elsewhere.
        const auto st = std::filesystem::symlink_status(name, ec);
        if (st.type() == std::filesystem::file_type::not_found) return name;
    }
    return {};
}

}  // namespace tavmir
