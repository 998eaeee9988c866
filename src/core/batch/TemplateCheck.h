// The check of the server's template.sss for its three known faults, and its safe repair: the
// file is kept as template.sss.bak and replaced by the corrected template shipped beside the
// program. Both the backup and the replacement are written atomically, in that order, so a
// failure at any step leaves the original file whole; the failure and the system's reason go
// to the log in red and the fix can be tried again.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "settingsfile/StyledLog.h"

namespace tavmir {

struct TemplateFindings {
    bool settingPresent = false;    // PacketLoss:C2SNegativeKickOutPercent
    bool superTimeFault = false;    // All:SuperTime:1::
    bool shieldsTimeFault = false;  // All:ShieldsTime:1::

    bool ok() const { return settingPresent && !superTimeFault && !shieldsTimeFault; }
};

// The three tests on every line (CR LF, CR or LF ends), blanks trimmed, case-sensitive.
TemplateFindings checkTemplateText(std::string_view text);

// A template is some 40 KB; a file above this size is refused whole, never read in part.
inline constexpr std::uint64_t kTemplateSizeLimit = 64ULL << 20;

// The text of the chosen file (or of template.dat) for the check and the fix: a regular file of
// at most kTemplateSizeLimit bytes (a folder or a device is no template).
tl::expected<std::string, ReadError> readTemplateFile(const std::filesystem::path& path);

// The reason the log gives for a file that could not be read.
std::string templateReadErrorText(const ReadError& error);

// The check's log when the file cannot be read: the heading, then the path and the reason in
// red; there is nothing to fix.
void writeTemplateReadError(StyledLog& log, const std::string& path, const std::string& reason);

// The dialog's introduction.
void writeTemplateIntroduction(StyledLog& log);
// The rule, "Validating...", then the findings.
void writeTemplateCheck(StyledLog& log, const TemplateFindings& findings);

// Writes a whole file; the program uses writeFileSafely, tests inject failures.
using FileWriter = std::function<WriteResult(const std::filesystem::path&, std::string_view)>;

class TemplateFix {
  public:
    // The corrected template is `templateDat` (template.dat in the program's folder).
    explicit TemplateFix(std::filesystem::path templateDat, FileWriter writer = {});

    // One click on Fix: on the first click the heading, then the outcome. True when the file
    // was replaced.
    bool fix(const std::string& chosenPath, StyledLog& log);
    // A new check found faults: the next fix writes its heading again.
    void newCheck() { m_headingWritten = false; }

  private:
    std::filesystem::path m_templateDat;
    FileWriter m_writer;
    bool m_headingWritten = false;
};

}  // namespace tavmir
