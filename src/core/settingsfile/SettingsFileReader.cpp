#include "settingsfile/SettingsFileReader.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "catalogue/StartupTables.h"
#include "common/FileWrite.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "settingsfile/LineScanner.h"
#include "settingsfile/MessageLines.h"

namespace tavmir {
namespace {

// The form decided by the first 50 lines, or "".
std::string detectFormOfBytes(const Catalogue& cat, std::string_view bytes) {
    LineScanner lines(bytes);
    std::string_view raw;
    for (int count = 0; count < 50 && lines.next(raw); ++count) {
        const std::string_view line = trimSpaces(raw);
        if (std::count(line.begin(), line.end(), '=') == 1) {
            const std::string_view key = trimSpaces(line.substr(0, line.find('=')));
            if (cat.keyExists(key)) return "CFG";
        }
        const std::size_t p1 = line.find(':');
        if (p1 == std::string_view::npos || p1 < 1) continue;
        const std::size_t p2 = line.find(':', p1 + 1);
        if (p2 == std::string_view::npos || p2 + 1 >= line.size()) continue;
        const std::string_view section = trimSpaces(line.substr(0, p1));
        const std::string_view key = trimSpaces(line.substr(p1 + 1, p2 - p1 - 1));
        if (cat.findSetting(section, key) != 0) return "SET";
    }
    return "";
}

class Reader {
  public:
    Reader(const Catalogue& cat, SettingsFileData& data, const ReaderEnvironment& env)
        : m_cat(cat),
          m_data(data),
          m_env(env),
          m_errors(errorTextBuffer(m_ownErrors)),
          m_messages(m_errors, data.findings) {
        m_errors.clear();
    }
    ~Reader() {
        if (&m_errors != &sharedErrorText()) return;
        // What a pathological file made it grow to is not kept.
        if (m_errors.capacity() > 1024 * 1024) std::string().swap(m_errors);
        sharedInUse() = false;
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Reads data.fileName, or takes `given` as its content.
    void run(const std::string_view* given);

  private:
    void log(std::string_view text, int breaks, std::uint32_t color = kBlack, bool bold = false) {
        m_data.log->append(text, breaks, color, bold);
    }
    void yield() {
        if (m_env.yield) m_env.yield();
    }
    bool batchMode() const { return (m_data.options & kOptionBatchProgress) != 0; }

    using Place = MessagePlace;
    template <typename... Head, typename... Text>
    void addMessage(const Place& place, const std::tuple<Head...>& head, const Text&... text) {
        m_messages.add(place, head, text...);
    }
    // An error about a line, naming the section and key it is about where there are any.
    template <typename... Parts>
    void lineError(const Place& place, const Parts&... parts) {
        ++m_data.errorCount;
        addMessage(place,
                   std::tuple<std::int64_t, std::string_view, std::int64_t, std::string_view>(
                       m_data.errorCount, ". Error in line ", place.line, ": "),
                   parts...);
    }
    Place at(int line, std::string_view section = {}, std::string_view key = {}) const {
        return {FindingKind::Error, line, section, key};
    }
    // `separator` is what the log puts between "Warning" and the text (": " or ". ").
    template <typename... Parts>
    void warning(const SettingDef* def, std::string_view separator, const Parts&... parts) {
        ++m_data.warningCount;
        Place place{FindingKind::Warning, 0, {}, {}};
        if (def) place.section = def->section, place.key = def->key;
        addMessage(place,
                   std::tuple<std::int64_t, std::string_view, std::string_view>(
                       m_data.warningCount, ". Warning", separator),
                   parts...);
    }

    // The empty file and the undecided form: a fixed log naming one error; the counters stay 0.
    void fixedFailure(std::string_view what, ReadStatus status) {
        log("File type: unknown", 1);
        log("1. Error: " + std::string(what), 1, kRed);
        log("Errors: 1", 1);
        log("Warnings: 0", 2);
        m_data.status = status;
        if (m_data.findings)
            m_data.findings->push_back({FindingKind::Error, 0, std::string(what), {}, {}, {}});
    }
    void readFailure(const std::string& reason) {
        log(std::string(kCrLf) + reason, 2, kRed);
        m_data.status = ReadStatus::ReadFailed;
        m_data.failureReason = reason;
    }

    void readLines(std::string_view bytes, bool cfg);
    void cfgLine(int lineNo, std::string_view line);
    void setLine(int lineNo, std::string_view line);
    void settingValue(int lineNo, int n, std::string_view section, std::string_view key,
                      std::string_view value);
    void progress(std::size_t consumed, std::size_t total);
    void writeErrorText();

    const Catalogue& m_cat;
    SettingsFileData& m_data;
    std::string_view m_bytes;  // what is read, for the values' places in it
    const ReaderEnvironment& m_env;
    // The error text is collected in a buffer kept from call to call, so that reading file
    // after file does not allocate (and fill fresh memory for) it each time; a call made while
    // another is reading (from an event run during a yield) collects in a buffer of its own.
    static std::string& sharedErrorText() {
        thread_local std::string buffer;
        return buffer;
    }
    static bool& sharedInUse() {
        thread_local bool inUse = false;
        return inUse;
    }
    static std::string& errorTextBuffer(std::string& own) {
        if (sharedInUse()) return own;
        sharedInUse() = true;
        return sharedErrorText();
    }

    std::string m_ownErrors;
    std::string& m_errors;
    MessageLines m_messages;

    // CFG state.
    std::string m_currentSection;
    std::string m_lastGoodSection;
    std::string m_wrongSection;  // empty when none is remembered
};

void Reader::run(const std::string_view* given) {
    SettingsFileData& d = m_data;
    d.stopRequested = false;
    for (std::string& v : d.values) v.clear();  // keeps capacity for the next file
    d.found.fill(false);
    d.valueError.fill(false);
    d.limitWarning.fill(false);
    d.valueSpan.fill({});
    d.foundCount = d.errorCount = d.warningCount = d.contentLines = d.sectionLines = 0;
    d.fileType.clear();
    d.extensionMatches = true;
    d.status = ReadStatus::Read;
    d.failureReason.clear();
    d.readIdentity = {};
    if (d.findings) d.findings->clear();

    if (m_env.batchFileNumber != -1) {
        log(std::to_string(m_env.batchFileNumber) + ". Validating ", 0);
    } else {
        const std::string date = m_env.longDate ? m_env.longDate() : std::string();
        const std::string time = m_env.longTime ? m_env.longTime() : std::string();
        log(date + "      " + time, 2);
        log("Validating ", 0);
    }
    log(d.fileName, 1, kBlack, true);

    FileReadResult file;
    if (!given) file = readSettingsFileBytes(d.fileName);
    if (!file) return readFailure(settingsReadErrorText(file.error()));
    const std::string_view bytes = given ? *given : std::string_view(file->bytes);
    if (!given) d.readIdentity = identityOfBytes(file->stamp, bytes);
    if (given && bytes.size() > kMaxSettingsFileSize) return readFailure(tooLargeFileError());
    if (bytes.empty()) return fixedFailure("File is empty", ReadStatus::Empty);

    d.fileType = detectFormOfBytes(m_cat, bytes);
    if (d.fileType.empty())
        return fixedFailure("File is not in CFG or SET format", ReadStatus::UnknownForm);
    log("File type: " + d.fileType, 1);

    const std::string ext = toUpperAscii(
        d.fileName.size() >= 4 ? std::string_view(d.fileName).substr(d.fileName.size() - 4)
                               : std::string_view(d.fileName));
    if ((ext == ".CFG" || ext == ".SET") && ext != "." + d.fileType) d.extensionMatches = false;

    if (batchMode() && m_env.progress) m_env.progress(0, 0);
    readLines(bytes, d.fileType == "CFG");

    if (d.foundCount < kSettingCount) {
        // Room for every message at once: an almost empty file lists nearly all 961.
        m_errors.reserve(m_errors.size() +
                         static_cast<std::size_t>(kSettingCount - d.foundCount) * 64);
        for (int n = 1; n <= kSettingCount; ++n) {
            if (d.found[static_cast<std::size_t>(n)]) continue;
            ++d.errorCount;
            const SettingDef& def = m_cat[n];
            addMessage({FindingKind::Error, 0, def.section, def.key},
                       std::tuple<std::int64_t, std::string_view>(d.errorCount, ". Error: "),
                       "Setting not found (", m_cat.qualifiedName(n), ")");
            if (batchMode()) yield();
        }
    }

    for (int s = 0; s < kShipCount; ++s) {
        for (const AscendingPair& pair : kAscendingPairs) {
            const auto a = static_cast<std::size_t>(shipTable(pair.initialRow, s));
            const auto b = static_cast<std::size_t>(shipTable(pair.maximumRow, s));
            if (!d.found[a] || !d.found[b] || d.valueError[a] || d.valueError[b]) continue;
            if (leadingNumber(d.values[b]) < leadingNumber(d.values[a])) {
                d.limitWarning[a] = true;
                const SettingDef& da = m_cat[static_cast<int>(a)];
                const std::size_t listed = d.findings ? d.findings->size() : 0;
                warning(&da, ": ", da.section, ", ", da.key, " (", d.values[a], ")",
                        " is greater than ", m_cat[static_cast<int>(b)].key, " (", d.values[b],
                        ")");
                // The initial value goes down to the maximum, as the editor's fix does.
                if (d.findings && d.findings->size() > listed)
                    d.findings->back().fix = shortestDecimal(leadingNumber(d.values[b]));
            }
        }
    }

    if (!d.extensionMatches)
        warning(nullptr, ". ", "File extension (",
                toUpperAscii(std::string_view(d.fileName).substr(d.fileName.size() - 3)), ")",
                " does not correspond to file type (", d.fileType, ")");

    writeErrorText();
    log("Errors: " + std::to_string(d.errorCount), 1);
    log("Warnings: " + std::to_string(d.warningCount), 2);

    if (d.options & kOptionSaveReport) {
        const std::string bytes =
            d.reportFormat == ReportFormat::RichText ? toRtf(*d.log) : d.log->plainText();
        // A report can be made again from its file: no flush to disk per report.
        WriteResult written = writeFileSafely(d.reportFile, bytes, Durability::Derived);
        if (!written) {
            d.status = ReadStatus::ReportFailed;
            d.failureReason = std::move(written.error().reason);
        }
    }
}

void Reader::readLines(std::string_view bytes, bool cfg) {
    m_bytes = bytes;
    LineScanner lines(bytes);
    std::string_view raw;
    int lineNo = 0;
    while (lines.next(raw)) {
        ++lineNo;
        if (batchMode()) {
            yield();
            progress(lines.consumed(), bytes.size());
        }
        const std::string_view line = trimSpaces(raw);
        if (line.empty()) continue;
        ++m_data.contentLines;
        cfg ? cfgLine(lineNo, line) : setLine(lineNo, line);
    }
}

void Reader::progress(std::size_t consumed, std::size_t total) {
    if (!m_env.progress) return;
    const double share =
        total == 0 ? 100.0 : static_cast<double>(consumed) * 100.0 / static_cast<double>(total);
    const int file = progressPercent(share);
    const int files = std::max(1, m_env.batchFileTotal);
    const double overallShare =
        (static_cast<double>(m_env.batchFileNumber - 1) * 100.0 + file) / files;
    const int overall = progressPercent(overallShare);
    m_env.progress(file, overall);
}

void Reader::cfgLine(int lineNo, std::string_view line) {
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
        const std::string_view name = line.substr(1, line.size() - 2);
        if (m_cat.sectionExists(name)) {
            m_currentSection = name;
            m_lastGoodSection = name;
            m_wrongSection.clear();
            ++m_data.sectionLines;
        } else {
            lineError(at(lineNo, name), "Wrong section name (", name, ")");
            m_wrongSection = name;  // "[]" names no section: nothing is remembered
            m_currentSection = m_lastGoodSection;
        }
        return;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return lineError(at(lineNo), "Syntax error (\"=\" not found)");
    if (line.find('=', eq + 1) != std::string_view::npos)
        return lineError(at(lineNo), "Syntax error (too many \"=\" found)");

    const std::string_view key = trimSpaces(line.substr(0, eq));
    const auto [keyKnown, n] = m_cat.match(m_currentSection, key);
    if (!keyKnown)
        return lineError(at(lineNo, m_currentSection, key), "Wrong key name (", key, ")");
    if (n == 0) {
        const std::string& section = m_wrongSection.empty() ? m_currentSection : m_wrongSection;
        return lineError(at(lineNo, section, key), "Wrong setting name (", section, ":", key, ")");
    }
    settingValue(lineNo, n, m_currentSection, key, trimSpaces(line.substr(eq + 1)));
}

void Reader::setLine(int lineNo, std::string_view line) {
    const std::size_t p1 = line.find(':');
    const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find(':', p1 + 1);
    if (p1 == std::string_view::npos || p1 < 1 || p2 == std::string_view::npos)
        return lineError(at(lineNo), "Syntax error (line is bad formatted)");
    std::size_t p3 = line.find(':', p2 + 1);
    if (p3 == std::string_view::npos) p3 = line.size();

    const std::string_view section = trimSpaces(line.substr(0, p1));
    const std::string_view key = trimSpaces(line.substr(p1 + 1, p2 - p1 - 1));
    const std::string_view value = trimSpaces(line.substr(p2 + 1, p3 - p2 - 1));
    const auto [keyKnown, n] = m_cat.match(section, key);
    if (n != 0) return settingValue(lineNo, n, section, key, value);
    const bool sectionKnown = m_cat.sectionExists(section);
    const auto wrongSetting = [&] {
        lineError(at(lineNo, section, key), "Wrong setting name (", section, ":", key, ")");
    };
    if (sectionKnown && keyKnown) return wrongSetting();
    if (sectionKnown) return lineError(at(lineNo, section, key), "Wrong key name (", key, ")");
    if (keyKnown) return lineError(at(lineNo, section, key), "Wrong section name (", section, ")");
    wrongSetting();
}

void Reader::settingValue(int lineNo, int n, std::string_view section, std::string_view key,
                          std::string_view value) {
    const auto i = static_cast<std::size_t>(n);
    if (!m_data.found[i]) {
        m_data.found[i] = true;
        ++m_data.foundCount;
    }
    m_data.values[i] = value;
    // The value is a view into the bytes read (with an empty one, its place on the line).
    m_data.valueSpan[i] = {static_cast<std::uint32_t>(value.data() - m_bytes.data()),
                           static_cast<std::uint32_t>(value.size())};
    if (value.empty()) return;

    const ValueCheck check = checkSettingValue(m_cat, n, value);
    if (check == ValueCheck::Accepted) return;
    m_data.valueError[i] = true;
    const SettingDef& def = m_cat[n];
    const std::size_t listed = m_data.findings ? m_data.findings->size() : 0;
    switch (check) {
        case ValueCheck::Accepted:
            return;
        case ValueCheck::TooLong:
            lineError(at(lineNo, section, key), "Alphanumeric setting too long (", section, ":",
                      key, ". ", "Length=", static_cast<std::int64_t>(value.size()),
                      " chars. Max is ", def.maxLength, ")");
            break;
        case ValueCheck::NotNumeric:
            lineError(at(lineNo, section, key), "Value is not numeric (", section, ":", key, "=",
                      value, ")");
            break;
        case ValueCheck::Overflow:
            lineError(at(lineNo, section, key), "Overflow (", section, ":", key, "=", value, ")");
            break;
        case ValueCheck::BelowLow:
            lineError(at(lineNo, section, key), "Value is lower than low limit (", section, ":",
                      key, "=", shortestDecimal(leadingNumber(value)), ". Low limit is ",
                      def.lowLimit, ")");
            break;
        case ValueCheck::AboveHigh:
            lineError(at(lineNo, section, key), "Value is higher than high limit (", section, ":",
                      key, "=", shortestDecimal(leadingNumber(value)), ". High limit is ",
                      def.highLimit, ")");
            break;
    }
    if (m_data.findings && m_data.findings->size() > listed)
        m_data.findings->back().fix = proposedValue(m_cat, n, value, check);
}

void Reader::writeErrorText() {
    std::size_t at = 0;
    while (at < m_errors.size()) {
        std::size_t len = std::min<std::size_t>(4096, m_errors.size() - at);
        // Never split a CR from its LF between two pieces.
        if (len == 4096 && m_errors[at + len - 1] == '\r') --len;
        log(std::string_view(m_errors).substr(at, len), 0, kRed);
        // Room for the rest of the list in the run this piece began or continued.
        if (at == 0) m_data.log->reserve(m_errors.size() - len);
        at += len;
        yield();
    }
}

}  // namespace

std::string detectFileType(const Catalogue& catalogue, const std::string& path) {
    const auto file = readSettingsFileBytes(path);
    if (!file) return "";
    return detectFormOfBytes(catalogue, file->bytes);
}

void validateSettingsFile(const Catalogue& catalogue, SettingsFileData& data,
                          const ReaderEnvironment& env) {
    StyledLog scratch;
    if (!data.log) data.log = &scratch;
    Reader(catalogue, data, env).run(nullptr);
    if (data.log == &scratch) data.log = nullptr;
}

void validateSettingsBytes(const Catalogue& catalogue, SettingsFileData& data,
                           const ReaderEnvironment& env, std::string_view bytes) {
    StyledLog scratch;
    if (!data.log) data.log = &scratch;
    Reader(catalogue, data, env).run(&bytes);
    if (data.log == &scratch) data.log = nullptr;
}

}  // namespace tavmir
