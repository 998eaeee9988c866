// The settings-file reader on arbitrary bytes held in memory: both forms (the extension of the
// name the bytes are read under is the first choice, which also decides whether the extension
// warning can come) and the batch progress mode. The record must agree with the log.
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "settingsfile/SettingsFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using fuzz::check;
    fuzz::Input in(data, size);
    const unsigned choice = in.byte();
    static const char* const kNames[] = {"arena.cfg", "arena.set", "arena.txt", "a"};
    // One record for every input, as each caller of the reader keeps one from file to file.
    static SettingsFileData record;
    record.options = 0;
    record.fileName = kNames[choice % 4];
    ReaderEnvironment env;
    int lastOverall = -1;
    if (choice & 4) {
        record.options = kOptionBatchProgress;
        env.batchFileNumber = 2;
        env.batchFileTotal = 3;
        env.progress = [&](int file, int overall) {
            check(file >= 0 && file <= 100 && overall >= 0 && overall <= 100);
            check(overall >= lastOverall);
            lastOverall = overall;
        };
        env.yield = [] {};
    }
    StyledLog log;
    record.log = &log;
    validateSettingsBytes(fuzz::catalogue(), record, env, in.rest());

    check(std::count(record.found.begin(), record.found.end(), true) == record.foundCount);
    if (record.status == ReadStatus::Read) {
        check(record.fileType == "CFG" || record.fileType == "SET");
        // The summary closes the log, in a run of its own after the red error list.
        const std::string summary = "Errors: " + std::to_string(record.errorCount) + "\r\n";
        check(!log.runs().empty() && log.runs().back().text.find(summary) != std::string::npos);
        check(record.errorCount >= kSettingCount - record.foundCount);
    } else {
        check(record.errorCount == 0 && record.warningCount == 0);
    }
    if ((choice & 0x78) == 0x78) (void)toRtf(log);
    return 0;
}
