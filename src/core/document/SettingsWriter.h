// The bytes of a settings file written from an editor's values. The file is always made
// whole from the catalogue: all 961 settings with the catalogue's section and key names, so
// lines of the file as it was read that are not settings, its comments and its layout are not
// kept. Every line ends in CR LF, and the reader takes back what is written here.
//
// CFG: settings in the catalogue's CfgWriteOrder, a "[Section]" line whenever the section
// changes, an empty line before every heading but the first, then "Key=value" with the value
// trimmed; the file ends after the last key line.
// SET: exactly 961 lines in setting-number order, no headings. General and Warbird settings
// carry their limits and description ("S:K:v:low:high:desc", or "S:K:v:::desc" when both limits
// are equal); the other seven ships refer back to the Warbird's with "S:K:v:*", their value
// written as the field holds it.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"

namespace tavmir {

// The CFG form of fields 1..961.
std::string cfgFileBytes(const Catalogue& catalogue, const FieldTexts& texts);

// The SET form of fields 1..961.
std::string setFileBytes(const Catalogue& catalogue, const FieldTexts& texts);

// A value as both forms write it: spaces at both ends removed, a line break inside it (which
// would start a new line) written as a space.
std::string writtenValue(std::string_view value);

// Appends setting `def`'s SET line with `value` to out, without its line end.
void appendSetLine(std::string& out, const SettingDef& def, std::string_view value);

// The SET form when fileType is "SET", else the CFG form.
std::string settingsFileBytes(const Catalogue& catalogue, const FieldTexts& texts,
                              std::string_view fileType);

}  // namespace tavmir
