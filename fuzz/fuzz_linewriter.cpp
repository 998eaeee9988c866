// Values written into a settings file's own lines, on arbitrary file bytes: with no write the
// bytes come back as they were; otherwise the file reads back with exactly the written values
// for the settings written and the old values for every other one, no line is split or joined
// (the lines are the old ones plus those of the settings added), and the form stays the same.
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "document/LineWriter.h"
#include "document/SettingsWriter.h"
#include "settingsfile/LineScanner.h"
#include "settingsfile/SettingsFileReader.h"

namespace {

using namespace tavmir;

void read(std::string_view bytes, SettingsFileData& record, StyledLog& log) {
    record.fileName = "arena.cfg";
    record.log = &log;
    validateSettingsBytes(fuzz::catalogue(), record, ReaderEnvironment{}, bytes);
}

std::size_t lineCount(std::string_view bytes) {
    LineScanner lines(bytes);
    std::size_t n = 0;
    for (std::string_view line; lines.next(line);) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Catalogue& cat = fuzz::catalogue();
    fuzz::Input in(data, size);
    // Up to eight writes: a setting and a short value of characters no form gives a meaning.
    std::vector<FieldWrite> writes;
    for (unsigned count = in.byte() % 9; count > 0; --count) {
        const int n = 1 + static_cast<int>(in.littleEndian(2) % kSettingCount);
        std::string value;
        for (unsigned k = in.byte() % 6; k > 0; --k) value += "0123456789-. abXY"[in.byte() % 17];
        writes.push_back({n, value});
    }
    const std::string_view bytes = in.rest();
    static SettingsFileData before;
    StyledLog log;
    read(bytes, before, log);
    const auto edit = writeIntoLines(cat, bytes, before, writes);
    if (!edit) return 0;
    if (writes.empty()) fuzz::check(edit->bytes == bytes && edit->changedLines == 0);

    std::map<int, std::string> expected;
    for (const FieldWrite& w : writes) expected[w.field] = writtenValue(w.text);
    static SettingsFileData after;
    StyledLog log2;
    read(edit->bytes, after, log2);
    fuzz::check(after.fileType == before.fileType);
    for (int n = 1; n <= kSettingCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (const auto w = expected.find(n); w != expected.end())
            fuzz::check(after.found[i] && after.values[i] == w->second);
        else
            fuzz::check(after.found[i] == before.found[i] && after.values[i] == before.values[i]);
    }
    // A file that did not end with a line end gets one before the lines added.
    std::size_t added = static_cast<std::size_t>(edit->addedSettings);
    if (added > 0 && before.fileType == "CFG") {
        std::map<std::string, bool> sections;
        for (const auto& [n, v] : expected)
            if (!before.found[static_cast<std::size_t>(n)]) sections[cat[n].section] = true;
        added += sections.size();
    }
    fuzz::check(lineCount(edit->bytes) == lineCount(bytes) + added);
    return 0;
}
