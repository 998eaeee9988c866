#include "common/TemporaryName.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>
#include <system_error>

#include "common/Hash.h"
#include "common/Text.h"

namespace tavmir {
namespace {

std::mt19937& processGenerator() {
    static std::mt19937 generator{
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())};
    return generator;
}

// floor(draw * scale), kept inside 0..scale-1 even for a source that strays outside [0, 1).
int scaledDraw(double draw, int scale) {
    if (!(draw >= 0)) return 0;  // also catches NaN
    const double v = std::floor(draw * scale);
    return v >= scale ? scale - 1 : static_cast<int>(v);
}

std::string folderPrefix(std::string_view folder) {
    std::string prefix(folder);
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    return prefix;
}

}  // namespace

double processRandom() { return std::generate_canonical<double, 32>(processGenerator()); }

void seedProcessRandom(std::uint32_t seed) { processGenerator().seed(seed); }

std::string temporaryFileName(std::string_view folder, const RandomSource& random) {
    const std::string prefix = folderPrefix(folder);
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

std::string keptTemporaryName(std::string_view folder, std::string_view fileName) {
    const std::uint64_t h = fnv1a64(fileName);
    std::string name = folderPrefix(folder);
    name += static_cast<char>('a' + static_cast<int>(h % 26));
    name += static_cast<char>('a' + static_cast<int>(h / 26 % 26));
    name += zeroPadded(static_cast<std::int64_t>(h / 676 % 100000), 6);
    name += ".tmp";
    return name;
}

}  // namespace tavmir
