// Validation logs, golden: every file under tests/data/reader/ is read with the reader's test
// catalogue (see ReaderFixture.h) and a fixed clock, and what the reader wrote (the log with
// the folder left out of the file name, then a summary of the record it filled) must equal
// the file's ".expected" twin byte for byte. A new case is a new input file and its twin;
// TAVMIR_REGENERATE=1 writes the twins from what the reader does now (review the diff).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/settingsfile/ReaderFixture.h"

namespace tavmir {
namespace {

namespace fs = std::filesystem;

std::string flagged(const PerSetting<bool>& flags) {
    std::string out;
    for (int n = 1; n <= kSettingCount; ++n)
        if (flags[static_cast<std::size_t>(n)]) out += " " + std::to_string(n);
    return out.empty() ? " none" : out;
}

// What the reader wrote into the log and the record for `input`, copied into a fresh folder
// and read from there, or handed over in memory under the same name.
std::string readerOutput(const fs::path& input, bool inMemory) {
    const test::TempDir dir;
    SettingsFileData d;
    StyledLog log;
    const std::string bytes = test::readAll(input);
    d.fileName =
        inMemory ? dir.path(input.filename().string()) : dir.file(input.filename().string(), bytes);
    d.log = &log;
    if (inMemory)
        validateSettingsBytes(*test::readerCatalogue(), d, test::fixedClock(), bytes);
    else
        validateSettingsFile(*test::readerCatalogue(), d, test::fixedClock());
    std::string out = log.plainText();
    const std::string folder = dir.path().string() + "/";
    for (std::size_t at; (at = out.find(folder)) != std::string::npos;)
        out.erase(at, folder.size());

    PerSetting<bool> missing{};
    for (std::size_t n = 1; n < d.found.size(); ++n) missing[n] = !d.found[n];
    out += "-- record\r\nstatus " + std::to_string(static_cast<int>(d.status)) + ", type " +
           d.fileType + ", extension matches " + (d.extensionMatches ? "yes" : "no") +
           "\r\nfound " + std::to_string(d.foundCount) + ", errors " +
           std::to_string(d.errorCount) + ", warnings " + std::to_string(d.warningCount) +
           "\r\nvalues 1 to 5:";
    for (std::size_t n = 1; n <= 5; ++n) out += d.found[n] ? " [" + d.values[n] + "]" : " -";
    out += "\r\nvalue errors:" + flagged(d.valueError) +
           "\r\nlimit warnings:" + flagged(d.limitWarning) +
           "\r\nnot found:" + (d.foundCount < kSettingCount - 20 ? " many" : flagged(missing)) +
           "\r\n";
    return out;
}

TEST(ReaderGolden, EveryFileGivesItsExpectedLogAndRecord) {
    const fs::path folder = fs::path(TAVMIR_TEST_DATA) / "reader";
    const bool regenerate = std::getenv("TAVMIR_REGENERATE") != nullptr;
    int cases = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const fs::path input = entry.path();
        if (input.extension() == ".expected" || input.filename() == ".gitattributes") continue;
        const fs::path twin = input.string() + ".expected";
        const std::string actual = readerOutput(input, false);
        // Bytes in memory are reported exactly as the same bytes in a file.
        EXPECT_EQ(readerOutput(input, true), actual) << input.filename();
        ++cases;
        if (regenerate) {
            test::writeBytes(twin, actual);
            continue;
        }
        ASSERT_TRUE(fs::exists(twin)) << twin << " is missing: run with TAVMIR_REGENERATE=1";
        EXPECT_EQ(actual, test::readAll(twin)) << input.filename();
    }
    EXPECT_GE(cases, 9);
}

}  // namespace
}  // namespace tavmir
