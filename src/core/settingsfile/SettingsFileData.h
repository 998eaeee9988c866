// The record one run of the settings-file reader fills for one file (values, per-setting flags,
// counters, form and status), and what the caller tells the reader (options, report, clock and
// progress). The reader itself is in SettingsFileReader.h.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "common/FileIdentity.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

// Options bits.
inline constexpr std::int32_t kOptionSaveReport = 1;     // save the log to ReportFile
inline constexpr std::int32_t kOptionBatchProgress = 2;  // drive a batch progress display

// The reader's verdict on a file, numbered as the reader's status codes always were.
enum class ReadStatus {
    Read = 1,          // read to the end, whatever errors it has
    ReadFailed = 2,    // opening, reading or closing failed
    Empty = 3,         // nothing in it
    UnknownForm = 4,   // neither CFG nor SET
    ReportFailed = 6,  // read, but the report file could not be written
};

// The form of the report written beside a file.
enum class ReportFormat { RichText, PlainText };

// Per-setting arrays are indexed by setting number 1..961 (element 0 unused).
template <typename T>
using PerSetting = std::array<T, kSettingCount + 1>;

// Where a setting's value lies in the file's bytes, as the reader took it: its first byte and
// its length, spaces at both ends left out (an empty value has its place and no length).
struct ValueSpan {
    std::uint32_t at = 0;
    std::uint32_t length = 0;
};

// One error or warning of a file, as the log lists it, for callers that want findings as data.
enum class FindingKind { Error, Warning };
struct Finding {
    FindingKind kind = FindingKind::Error;
    std::int32_t line = 0;  // the file's line it is about; 0 for one about no line
    std::string text;       // the message without its number and its "Error in line L: " head
    std::string section;    // the setting's section and key as the reader took them from the
    std::string key;        // line (or the catalogue's); empty where the message names none
    // A value or pair finding: the value that would mend it (proposedValue's; for a pair, the
    // initial value lowered to the maximum); nothing for every other finding.
    std::optional<std::string> fix;
};

struct SettingsFileData {
    // Set by the caller.
    std::string fileName;
    std::int32_t options = 0;
    std::string reportFile;
    ReportFormat reportFormat = ReportFormat::PlainText;
    bool stopRequested = false;  // set by a batch stop button; cleared by the reader
    StyledLog* log = nullptr;    // where the log is appended; required
    // Where each listed finding is also put, in the log's order (emptied first); none when null.
    std::vector<Finding>* findings = nullptr;

    // Filled by the reader.
    PerSetting<std::string> values{};
    PerSetting<bool> found{};
    PerSetting<bool> valueError{};
    PerSetting<bool> limitWarning{};
    // For each found setting, where its value is in the bytes read: on the last line that
    // named it, whose value counts. A write of the file's own lines replaces just that span.
    PerSetting<ValueSpan> valueSpan{};
    std::int32_t foundCount = 0;
    std::int32_t errorCount = 0;
    std::int32_t warningCount = 0;
    // Lines that are not blank, and of them the CFG headings of known sections: with
    // foundCount they tell how many lines a save would not write (unwrittenLineCount).
    std::int32_t contentLines = 0;
    std::int32_t sectionLines = 0;
    std::string fileType;  // "CFG", "SET" or empty
    bool extensionMatches = true;
    ReadStatus status = ReadStatus::Read;
    // The file as it was read (its status and a hash of its bytes); nothing known when the
    // bytes were given in memory or could not be read.
    FileIdentity readIdentity;
    // Why the file could not be read (ReadStatus::ReadFailed) or its report could not be written
    // (ReadStatus::ReportFailed): the system's description of the failure; empty otherwise.
    std::string failureReason;
};

// What the reader needs from its surroundings. Every member may be left empty.
struct ReaderEnvironment {
    // The number of the file within a batch run, or -1 outside batch runs.
    int batchFileNumber = -1;
    // The number of files in the batch list (for the overall percentage).
    int batchFileTotal = 1;
    // The system's long date and long time texts for the single-file header.
    std::function<std::string()> longDate;
    std::function<std::string()> longTime;
    // Batch progress display: percent of this file, percent overall.
    std::function<void(int filePercent, int overallPercent)> progress;
    // Lets pending user-interface events run.
    std::function<void()> yield;
};

}  // namespace tavmir
