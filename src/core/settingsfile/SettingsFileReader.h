// The one reader of settings files. It decides a file's form, reads every line, matches each
// setting against the catalogue, checks each value, and writes a styled validation log:
// a header, a numbered red list of errors and warnings, and a summary.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "settingsfile/FileBytes.h"
#include "settingsfile/SettingsFileData.h"
#include "settingsfile/ValueCheck.h"

namespace tavmir {

// "CFG", "SET", or "" when the first 50 lines decide nothing or the file cannot be opened.
std::string detectFileType(const Catalogue& catalogue, const std::string& path);

// Reads data.fileName and fills data; never fails, every problem is
// reported in the log and in data.status.
void validateSettingsFile(const Catalogue& catalogue, SettingsFileData& data,
                          const ReaderEnvironment& env);

// ValidateSettingsFile on bytes already in memory, taken as the content of data.fileName (which
// still names the file in the log and decides the extension warning; nothing is read from
// disk): it reports exactly what validateSettingsFile reports for a file holding these bytes.
void validateSettingsBytes(const Catalogue& catalogue, SettingsFileData& data,
                           const ReaderEnvironment& env, std::string_view bytes);

}  // namespace tavmir
