// A settings file read for a write into its own lines: its bytes exactly as they are on disk
// and the reader's record of them (values, found flags and where each value lies), read in one
// go so the two always agree.
#pragma once

#include <memory>
#include <string>

#include <tl/expected.hpp>

#include "catalogue/Catalogue.h"
#include "common/FileRead.h"
#include "document/FieldTexts.h"
#include "settingsfile/SettingsFileData.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

struct FileLines {
    std::string bytes;
    FileStamp stamp;
    StyledLog log;
    SettingsFileData record;  // record.log points at log: a FileLines is never copied or moved
    FileLines() = default;
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;
};

// Why a file's lines cannot be had.
enum class LinesFailure {
    ReadFailed,   // the file could not be read (reason: the system's or the door's)
    Empty,        // the file holds nothing
    UnknownForm,  // neither CFG nor SET
};

struct LinesError {
    LinesFailure failure = LinesFailure::ReadFailed;
    std::string reason;  // "file is empty", "not in CFG or SET format", or the read's reason
};

// Reads path and runs the reader on its bytes (no report is written).
tl::expected<std::unique_ptr<FileLines>, LinesError> readFileLines(const Catalogue& catalogue,
                                                                   const std::string& path);

// The texts an editor would hold for the file: the values it names, and for every setting it
// lacks the catalogue's default.
FieldTexts textsOfFile(const Catalogue& catalogue, const SettingsFileData& record);

}  // namespace tavmir
