#include "batch/TemplateCheck.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "common/SystemError.h"
#include "common/Text.h"

namespace tavmir {

namespace {

const std::string kDashes(63, '-');

std::string_view trimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

void plain(StyledLog& log, std::string_view text, int breaks) {
    log.append(text, breaks, kBlack, false);
}
void red(StyledLog& log, std::string_view text, int breaks, bool bold = false) {
    log.append(text, breaks, kRed, bold);
}

// The file's bytes, its first `limit` at most, or the system's reason in `error`.
bool readAll(const std::filesystem::path& path, std::string& bytes, std::string& error,
             std::size_t limit = std::string::npos) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = systemErrorText(errno ? errno : ENOENT);
        return false;
    }
    std::string read;
    char piece[65536];
    while (read.size() < limit && in) {
        in.read(piece, static_cast<std::streamsize>(std::min(sizeof piece, limit - read.size())));
        read.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        error = systemErrorText(errno ? errno : EIO);
        return false;
    }
    bytes = std::move(read);
    return true;
}

}  // namespace

TemplateFindings checkTemplateText(std::string_view text) {
    TemplateFindings f;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trimBlanks(text.substr(at, end - at));
        if (line.starts_with("PacketLoss:C2SNegativeKickOutPercent:")) f.settingPresent = true;
        if (line.starts_with("All:SuperTime:1::")) f.superTimeFault = true;
        if (line.starts_with("All:ShieldsTime:1::")) f.shieldsTimeFault = true;
        if (end == text.size()) break;
        at = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return f;
}

bool readTemplateFile(const std::filesystem::path& path, std::string& text, std::string& reason) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::is_regular_file(status)) {
        reason = std::filesystem::is_directory(status) ? systemErrorText(EISDIR)
                 : std::filesystem::exists(status)     ? std::string("Not a regular file")
                                                       : systemErrorText(ENOENT);
        return false;
    }
    return readAll(path, text, reason, 64ULL * 1024 * 1024);
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
            return writeFileAtomically(target, bytes);
        };
    }
}

bool TemplateFix::fix(const std::string& chosenPath, StyledLog& log) {
    if (!m_headingWritten) {
        m_headingWritten = true;
        plain(log, kDashes, 2);
        log.append("Fixing...", 2, kBlack, true);
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chosenPath, ec)) {
        red(log, "File not found: " + chosenPath, 2);
        return false;
    }
    if (!std::filesystem::is_regular_file(m_templateDat, ec)) {
        red(log, "Error: master file template.dat not found", 1);
        red(log, "You must reinstall the application", 2);
        return false;
    }
    std::string original, corrected, reason;
    if (!readAll(chosenPath, original, reason)) {
        red(log, "Error reading file: " + chosenPath, 1);
        red(log, reason, 2);
        return false;
    }
    if (!readAll(m_templateDat, corrected, reason)) {
        red(log, "Error reading file: " + m_templateDat.string(), 1);
        red(log, reason, 2);
        return false;
    }
    // The backup first: the original is replaced only once its copy is safely on disk.
    const std::string backup = chosenPath + ".bak";
    WriteResult w = m_writer(backup, original);
    if (!w.ok()) {
        red(log, "Error writing to file: " + backup, 1);
        red(log, w.reason + " (template.sss was not changed)", 2);
        return false;
    }
    w = m_writer(chosenPath, corrected);
    if (!w.ok()) {
        red(log, "Error writing to file: " + chosenPath, 1);
        red(log, w.reason + " (template.sss was not changed)", 2);
        return false;
    }
    plain(log, "template.sss has been successfully updated.", 1);
    return true;
}

}  // namespace tavmir
