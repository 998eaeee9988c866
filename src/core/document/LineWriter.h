// Writing values into a settings file's own lines: a change of one value is a change of one
// line. Given the file's bytes as read and the reader's record of them (where each setting's
// value lies, SettingsFileData::valueSpan), each written setting's value is replaced on the line
// the reader took it from (for a setting named on several lines, the last one, whose value
// counts). Everything else is kept byte for byte: the rest of that line (the spaces around
// "=", the key as it is spelled there, what follows the value on a SET line: limits,
// description, ":*"), every other line, the lines the catalogue does not know, the order and
// the line ends.
//
// A setting the file lacks is added at its end: in the CFG form under a "[Section]" header
// (one header per section, the settings in the catalogue's write order), in the SET form as a
// line of the save's own SET shape; the lines added end as the file's lines do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <tl/expected.hpp>

#include "catalogue/Catalogue.h"
#include "document/FieldTexts.h"
#include "settingsfile/SettingsFileData.h"

namespace tavmir {

// The result of writing values into a file's lines.
struct LineEdit {
    std::string bytes;      // the file's new bytes (the old ones when nothing changed)
    int changedLines = 0;   // lines whose value was replaced
    int addedSettings = 0;  // settings the file lacked, added at its end
};

// Why the file's own lines cannot take the values.
enum class LineEditRefusal {
    NotRead,  // the record is not of these bytes read whole in the CFG or SET form
};

// The new bytes of `bytes` (read into `record` by the reader) with `writes` (settings 1..961;
// others are ignored; the last write of a setting wins) written into its lines. A write of the
// value the file holds already changes nothing. Values are written as the save writes them:
// spaces at both ends removed and a line break inside one written as a space.
tl::expected<LineEdit, LineEditRefusal> writeIntoLines(const Catalogue& catalogue,
                                                       std::string_view bytes,
                                                       const SettingsFileData& record,
                                                       const std::vector<FieldWrite>& writes);

}  // namespace tavmir
