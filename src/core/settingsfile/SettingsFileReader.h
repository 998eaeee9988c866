// The one reader of settings files. It decides a file's form, reads every line, matches each
// setting against the catalogue, checks each value, and writes a styled validation log:
// a header, a numbered red list of errors and warnings, and a summary.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "settingsfile/FileBytes.h"
#include "settingsfile/SettingsFileData.h"

namespace tavmir {

// "CFG", "SET", or "" when the first 50 lines decide nothing or the file cannot be opened.
std::string detectFileType(const Catalogue& catalogue, const std::string& path);

// CheckValue: "" when the value is acceptable for setting n, else "1" text too long,
// "2" not numeric, "3" overflow, "4" below the low limit, "5" above the high limit.
std::string checkValue(const Catalogue& catalogue, int n, std::string_view value);
// The same as one character: 0 when acceptable, else '1'..'5'.
char checkValueCode(const Catalogue& catalogue, int n, std::string_view value);

// ValidateSettingsFile: reads data.fileName and fills data; never fails, every problem is
// reported in the log and in data.status.
void validateSettingsFile(const Catalogue& catalogue, SettingsFileData& data,
                          const ReaderEnvironment& env);

}  // namespace tavmir
