#include "batch/TemplateCheck.h"

#include "common/FileRead.h"
#include "common/Text.h"

namespace tavmir {

namespace {

const std::string kDashes(63, '-');

// The tests look at how a line begins, so only the blanks in front of it matter.
std::string_view withoutLeadingBlanks(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && (s[b] == ' ' || s[b] == '\t')) ++b;
    return s.substr(b);
}

void plain(StyledLog& log, std::string_view text, int breaks) {
    log.append(text, breaks, kBlack, false);
}
void red(StyledLog& log, std::string_view text, int breaks, bool bold = false) {
    log.append(text, breaks, kRed, bold);
}

}  // namespace

TemplateFindings checkTemplateText(std::string_view text) {
    TemplateFindings f;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = withoutLeadingBlanks(text.substr(at, end - at));
        if (line.starts_with("PacketLoss:C2SNegativeKickOutPercent:")) f.settingPresent = true;
        if (line.starts_with("All:SuperTime:1::")) f.superTimeFault = true;
        if (line.starts_with("All:ShieldsTime:1::")) f.shieldsTimeFault = true;
        if (end == text.size()) break;
        at = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return f;
}

std::string templateReadErrorText(const ReadError& error) {
    if (error.failure == ReadFailure::TooLarge)
        return "The file is larger than " + std::to_string(kTemplateSizeLimit >> 20) +
               " MB: it cannot be a template";
    return error.reason();
}

tl::expected<std::string, ReadError> readTemplateFile(const std::filesystem::path& path) {
    return readFile(path.string(), kTemplateSizeLimit).map([](FileContents&& c) {
        return std::move(c.bytes);
    });
}

void writeTemplateReadError(StyledLog& log, const std::string& path, const std::string& reason) {
    plain(log, kDashes, 2);
    log.append("Validating...", 2, kBlack, true);
    red(log, "Error reading file: " + path, 1);
    red(log, reason, 1);
}

void writeTemplateIntroduction(StyledLog& log) {
    plain(log,
          "The file template.sss which is being distributed with subgame 1.34.14 contains a few "
          "errors that need "
          "to be fixed (see ReadMe.txt in Tavmir folder for more information).",
          2);
    plain(log,
          "The validation process will check the file for known errors (not a full validation) and "
          "will give you "
          "the option to fix them if necessary.",
          2);
    plain(log, "The file template.sss is located in the SERVER FOLDER.", 2);
    plain(log, "Click \"Validate\" button to proceed.", 1);
}

void writeTemplateCheck(StyledLog& log, const TemplateFindings& f) {
    plain(log, kDashes, 2);
    log.append("Validating...", 2, kBlack, true);
    if (f.ok()) {
        plain(log, "Validation OK. The file does not need to be fixed.", 1);
        return;
    }
    red(log, "Errors found:", 1, true);
    if (!f.settingPresent) red(log, "-PacketLoss:C2SNegativeKickOutPercent (Setting not found)", 1);
    if (f.superTimeFault) red(log, "-All:SuperTime (Wrong value for Low/High limits)", 1);
    if (f.shieldsTimeFault) red(log, "-All:ShieldsTime (Wrong value for Low/High limits)", 1);
    plain(log, "", 1);
    plain(log,
          "The file template.sss contains errors that need to be fixed. (It will be saved as "
          "\"template.sss.bak\" "
          "before applying changes.) ",
          0);
    plain(log, "After fixing, the server must be recycled if it is running.", 2);
    plain(log, "Click \"Fix template.sss\" button to proceed.", 1);
}

TemplateFix::TemplateFix(std::filesystem::path templateDat, FileWriter writer)
    : m_templateDat(std::move(templateDat)), m_writer(std::move(writer)) {
    if (!m_writer) {
        m_writer = [](const std::filesystem::path& target, std::string_view bytes) {
            return writeFileSafely(target, bytes);
        };
    }
}

bool TemplateFix::fix(const std::string& chosenPath, StyledLog& log) {
    if (!m_headingWritten) {
        m_headingWritten = true;
        plain(log, kDashes, 2);
        log.append("Fixing...", 2, kBlack, true);
    }
    // A name with no file behind it (or a folder, a FIFO) has nothing to fix.
    const auto absent = [](const tl::expected<std::string, ReadError>& read) {
        return !read && (read.error().failure == ReadFailure::NotFound ||
                         read.error().failure == ReadFailure::NotRegular);
    };
    const auto original = readTemplateFile(chosenPath);
    if (absent(original)) {
        red(log, "File not found: " + chosenPath, 2);
        return false;
    }
    const auto corrected = readTemplateFile(m_templateDat);
    if (absent(corrected)) {
        red(log, "Error: master file template.dat not found", 1);
        red(log, "You must reinstall the application", 2);
        return false;
    }
    if (!original) {
        red(log, "Error reading file: " + chosenPath, 1);
        red(log, templateReadErrorText(original.error()), 2);
        return false;
    }
    if (!corrected) {
        red(log, "Error reading file: " + m_templateDat.string(), 1);
        red(log, templateReadErrorText(corrected.error()), 2);
        return false;
    }
    // The backup first: the original is replaced only once its copy is safely on disk.
    const std::string backup = chosenPath + ".bak";
    WriteResult w = m_writer(backup, *original);
    if (!w) {
        red(log, "Error writing to file: " + backup, 1);
        red(log, w.error().reason + " (template.sss was not changed)", 2);
        return false;
    }
    w = m_writer(chosenPath, *corrected);
    if (!w) {
        red(log, "Error writing to file: " + chosenPath, 1);
        red(log, w.error().reason + " (template.sss was not changed)", 2);
        return false;
    }
    plain(log, "template.sss has been successfully updated.", 1);
    return true;
}

}  // namespace tavmir
