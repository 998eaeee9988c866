// The template.sss check on arbitrary text: the findings and the log written from them. A file
// that only gains lines which begin with none of the three tested prefixes keeps its findings.
#include <string>

#include "FuzzSupport.h"
#include "batch/TemplateCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TemplateFindings f = checkTemplateText(text);
    const TemplateFindings g = checkTemplateText(std::string(text) + "\r\nAll:Other:1::\r\n");
    fuzz::check(f.settingPresent == g.settingPresent && f.superTimeFault == g.superTimeFault &&
                f.shieldsTimeFault == g.shieldsTimeFault);
    StyledLog log;
    writeTemplateCheck(log, f);
    fuzz::check((log.plainText().find("Validation OK.") != std::string::npos) == f.ok());
    return 0;
}
