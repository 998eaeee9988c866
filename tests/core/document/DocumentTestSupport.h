// A made-up catalogue and a stand-in reader for the document tests, so they run without the
// project's catalogue data and feed the document exactly the reader records they need.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "catalogue/Catalogue.h"
#include "document/EditorDocument.h"

namespace tavmir::documenttest {

// Settings of the made-up catalogue that the tests lean on. The rest follow the shared
// master-file builder: general settings "Gen:G<n>", ship settings "<Ship>:K<group>",
// description "Setting <n>", default "0", at most 11 characters, tab order reversed.
inline constexpr int kRanged = 10;        // Gen:G10, range 0..4, "Damage level"
inline constexpr int kBare = 20;          // Gen:G20, no range, no description
inline constexpr int kText = 959;         // Gen:G959, text, at most 5 characters, default "Hello!"
inline constexpr int kWarbirdRow1 = 319;  // Warbird:K4, range 100..5000, "Energy"
inline constexpr int kUndescribedShip = 359;  // Warbird:K9 (row 2), no description

std::shared_ptr<const Catalogue> testCatalogue();

// A file as the reader would report it.
struct FakeFile {
    std::map<int, std::string> values;  // setting number -> value; only these are found
    int errors = 0;
    int warnings = 0;
    std::string fileType = "CFG";
    ReadStatus status = ReadStatus::Read;
};

// Every setting present with the value "1".
FakeFile completeFile();
// A reader that fills the record from `file` and writes an interactive log header.
SettingsReader fakeReader(FakeFile file);

// The log head an interactive read writes before the file name.
inline constexpr std::string_view kLogDateLine = "Sunday, 6 December 2026      22:15:00";

}  // namespace tavmir::documenttest
