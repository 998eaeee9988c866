// The JSON document of "tavmir -v --format=json": one object per validated file, in the order
// of the command line, with its form, counts and findings. The manual page shows its shape.
// Texts that are not UTF-8 (bytes of a binary file, a file name in another encoding) are
// written with U+FFFD in place of each bad byte, so the document always parses.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "settingsfile/SettingsFileData.h"

namespace tavmir {

class ValidationJson {
  public:
    // Adds the file that `data` was filled for; `reportAsked`: a report was to be written.
    void add(const SettingsFileData& data, const std::vector<Finding>& findings, bool reportAsked);
    // The whole document, indented by two spaces, ending in LF.
    std::string text() const;

  private:
    nlohmann::ordered_json m_files = nlohmann::ordered_json::array();
};

}  // namespace tavmir
