#include "settingsfile/SettingsFileReader.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "catalogue/StartupTables.h"
#include "common/AtomicFile.h"
#include "common/Numeric.h"
#include "common/Text.h"
#include "settingsfile/FileBytes.h"
#include "settingsfile/LineScanner.h"

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

// Above this many listed messages a pathological file would make the log grow without
// bound; further errors and warnings are still counted.
constexpr std::int32_t kMaxListedMessages = 100000;

class Reader {
  public:
    Reader(const Catalogue& cat, SettingsFileData& data, const ReaderEnvironment& env)
        : m_cat(cat), m_data(data), m_env(env) {}

    void run();

  private:
    void log(std::string_view text, int breaks, std::uint32_t color = kBlack, bool bold = false) {
        m_data.log->append(text, breaks, color, bold);
    }
    void yield() {
        if (m_env.yield) m_env.yield();
    }
    bool batchMode() const { return (m_data.options & kOptionBatchProgress) != 0; }

    // Where a message is about, for the findings: its kind, line (0: none), section and key.
    struct Place {
        FindingKind kind = FindingKind::Error;
        int line = 0;
        std::string_view section, key;
    };
    // Adds one message to the error text (and to the findings when the caller wants them).
    // `head` is its number and kind ("3. Error in line 7: "); `text` the message itself.
    void addMessage(std::string_view head, std::string_view text, const Place& place) {
        if (m_listed < kMaxListedMessages) {
            m_errors += head;
            m_errors += text;
            m_errors += kCrLf;
            if (m_data.findings)
                m_data.findings->push_back({place.kind, place.line, std::string(text),
                                            std::string(place.section), std::string(place.key)});
        } else if (m_listed == kMaxListedMessages) {
            m_errors += "Too many errors and warnings: the rest are counted but not listed";
            m_errors += kCrLf;
        }
        ++m_listed;
    }
    void lineError(int line, std::string_view text, std::string_view section = {},
                   std::string_view key = {}) {
        ++m_data.errorCount;
        addMessage(
            std::to_string(m_data.errorCount) + ". Error in line " + std::to_string(line) + ": ",
            text, {FindingKind::Error, line, section, key});
    }
    void missingSetting(const SettingDef& def) {
        ++m_data.errorCount;
        addMessage(std::to_string(m_data.errorCount) + ". Error: ",
                   "Setting not found (" + def.section + ":" + def.key + ")",
                   {FindingKind::Error, 0, def.section, def.key});
    }
    // `separator` is what the log puts between "Warning" and the text (": " or ". ").
    void warning(std::string_view separator, std::string_view text, const SettingDef* def) {
        ++m_data.warningCount;
        Place place{FindingKind::Warning, 0, {}, {}};
        if (def) place.section = def->section, place.key = def->key;
        addMessage(std::to_string(m_data.warningCount) + ". Warning" + std::string(separator), text,
                   place);
    }

    // The empty file and the undecided form: a fixed log naming one error; the counters stay 0.
    void fixedFailure(std::string_view what, std::int32_t status) {
        log("File type: unknown", 1);
        log("1. Error: " + std::string(what), 1, kRed);
        log("Errors: 1", 1);
        log("Warnings: 0", 2);
        m_data.status = status;
        if (m_data.findings)
            m_data.findings->push_back({FindingKind::Error, 0, std::string(what), {}, {}});
    }
    void readFailure(const std::string& reason) {
        log(std::string(kCrLf) + reason, 2, kRed);
        m_data.status = kStatusReadFailed;
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
    const ReaderEnvironment& m_env;
    std::string m_errors;
    std::int32_t m_listed = 0;

    // CFG state.
    std::string m_currentSection;
    std::string m_lastGoodSection;
    std::string m_wrongSection;  // empty when none is remembered
};

void Reader::run() {
    SettingsFileData& d = m_data;
    d.stopRequested = false;
    for (std::string& v : d.values) v.clear();  // keeps capacity for the next file
    d.found.fill(false);
    d.valueError.fill(false);
    d.limitWarning.fill(false);
    d.foundCount = d.errorCount = d.warningCount = d.contentLines = d.sectionLines = 0;
    d.fileType.clear();
    d.extensionMatches = true;
    d.status = kStatusRead;
    d.failureReason.clear();
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

    const FileBytes file = readWholeFile(d.fileName);
    if (!file.error.empty()) return readFailure(file.error);
    if (file.bytes.empty()) return fixedFailure("File is empty", kStatusEmpty);

    d.fileType = detectFormOfBytes(m_cat, file.bytes);
    if (d.fileType.empty())
        return fixedFailure("File is not in CFG or SET format", kStatusUnknownForm);
    log("File type: " + d.fileType, 1);

    const std::string ext = toUpperAscii(
        d.fileName.size() >= 4 ? std::string_view(d.fileName).substr(d.fileName.size() - 4)
                               : std::string_view(d.fileName));
    if ((ext == ".CFG" || ext == ".SET") && ext != "." + d.fileType) d.extensionMatches = false;

    if (batchMode() && m_env.progress) m_env.progress(0, 0);
    readLines(file.bytes, d.fileType == "CFG");

    if (d.foundCount < kSettingCount) {
        for (int n = 1; n <= kSettingCount; ++n) {
            if (d.found[static_cast<std::size_t>(n)]) continue;
            missingSetting(m_cat[n]);
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
                warning(": ",
                        da.section + ", " + da.key + " (" + d.values[a] + ")" +
                            " is greater than " + m_cat[static_cast<int>(b)].key + " (" +
                            d.values[b] + ")",
                        &da);
            }
        }
    }

    if (!d.extensionMatches)
        warning(". ",
                "File extension (" +
                    toUpperAscii(std::string_view(d.fileName).substr(d.fileName.size() - 3)) + ")" +
                    " does not correspond to file type (" + d.fileType + ")",
                nullptr);

    writeErrorText();
    log("Errors: " + std::to_string(d.errorCount), 1);
    log("Warnings: " + std::to_string(d.warningCount), 2);

    if (d.options & kOptionSaveReport) {
        if (d.reportFormat != 0 && d.reportFormat != 1) {
            d.status = kStatusReportFailed;
            d.failureReason = "Unknown report format (" + std::to_string(d.reportFormat) + ")";
        } else {
            const std::string bytes = d.reportFormat == 0 ? toRtf(*d.log) : d.log->plainText();
            // A report can be made again from its file: no flush to disk per report.
            WriteResult written = writeFileAtomically(d.reportFile, bytes, Durability::Derived);
            if (!written.ok()) {
                d.status = kStatusReportFailed;
                d.failureReason = std::move(written.reason);
            }
        }
    }
}

void Reader::readLines(std::string_view bytes, bool cfg) {
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
            lineError(lineNo, "Wrong section name (" + std::string(name) + ")", name);
            m_wrongSection = name;  // "[]" names no section: nothing is remembered
            m_currentSection = m_lastGoodSection;
        }
        return;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return lineError(lineNo, "Syntax error (\"=\" not found)");
    if (line.find('=', eq + 1) != std::string_view::npos)
        return lineError(lineNo, "Syntax error (too many \"=\" found)");

    const std::string_view key = trimSpaces(line.substr(0, eq));
    const auto [keyKnown, n] = m_cat.match(m_currentSection, key);
    if (!keyKnown)
        return lineError(lineNo, "Wrong key name (" + std::string(key) + ")", m_currentSection,
                         key);
    if (n == 0) {
        const std::string& section = m_wrongSection.empty() ? m_currentSection : m_wrongSection;
        return lineError(lineNo, "Wrong setting name (" + section + ":" + std::string(key) + ")",
                         section, key);
    }
    settingValue(lineNo, n, m_currentSection, key, trimSpaces(line.substr(eq + 1)));
}

void Reader::setLine(int lineNo, std::string_view line) {
    const std::size_t p1 = line.find(':');
    const std::size_t p2 = p1 == std::string_view::npos ? p1 : line.find(':', p1 + 1);
    if (p1 == std::string_view::npos || p1 < 1 || p2 == std::string_view::npos)
        return lineError(lineNo, "Syntax error (line is bad formatted)");
    std::size_t p3 = line.find(':', p2 + 1);
    if (p3 == std::string_view::npos) p3 = line.size();

    const std::string_view section = trimSpaces(line.substr(0, p1));
    const std::string_view key = trimSpaces(line.substr(p1 + 1, p2 - p1 - 1));
    const std::string_view value = trimSpaces(line.substr(p2 + 1, p3 - p2 - 1));
    const auto [keyKnown, n] = m_cat.match(section, key);
    if (n != 0) return settingValue(lineNo, n, section, key, value);
    const bool sectionKnown = m_cat.sectionExists(section);
    const auto wrongSetting = [&] {
        lineError(lineNo,
                  "Wrong setting name (" + std::string(section) + ":" + std::string(key) + ")",
                  section, key);
    };
    if (sectionKnown && keyKnown) return wrongSetting();
    if (sectionKnown)
        return lineError(lineNo, "Wrong key name (" + std::string(key) + ")", section, key);
    if (keyKnown)
        return lineError(lineNo, "Wrong section name (" + std::string(section) + ")", section, key);
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
    if (value.empty()) return;

    const ValueCheck check = checkSettingValue(m_cat, n, value);
    if (check == ValueCheck::Accepted) return;
    m_data.valueError[i] = true;
    const SettingDef& def = m_cat[n];
    const std::string sk = std::string(section) + ":" + std::string(key);
    const std::string v(value);
    const auto error = [&](const std::string& text) { lineError(lineNo, text, section, key); };
    switch (check) {
        case ValueCheck::Accepted:
            return;
        case ValueCheck::TooLong:
            return error("Alphanumeric setting too long (" + sk + ". " +
                         "Length=" + std::to_string(value.size()) + " chars. Max is " +
                         std::to_string(def.maxLength) + ")");
        case ValueCheck::NotNumeric:
            return error("Value is not numeric (" + sk + "=" + v + ")");
        case ValueCheck::Overflow:
            return error("Overflow (" + sk + "=" + v + ")");
        case ValueCheck::BelowLow:
            return error("Value is lower than low limit (" + sk + "=" +
                         shortestDecimal(leadingNumber(value)) + ". Low limit is " +
                         std::to_string(def.lowLimit) + ")");
        case ValueCheck::AboveHigh:
            return error("Value is higher than high limit (" + sk + "=" +
                         shortestDecimal(leadingNumber(value)) + ". High limit is " +
                         std::to_string(def.highLimit) + ")");
    }
}

void Reader::writeErrorText() {
    std::size_t at = 0;
    while (at < m_errors.size()) {
        std::size_t len = std::min<std::size_t>(4096, m_errors.size() - at);
        // Never split a CR from its LF between two pieces.
        if (len == 4096 && m_errors[at + len - 1] == '\r') --len;
        log(std::string_view(m_errors).substr(at, len), 0, kRed);
        at += len;
        yield();
    }
}

}  // namespace

std::string detectFileType(const Catalogue& catalogue, const std::string& path) {
    const FileBytes file = readWholeFile(path);
    if (!file.error.empty()) return "";
    return detectFormOfBytes(catalogue, file.bytes);
}

ValueCheck checkSettingValue(const Catalogue& catalogue, int n, std::string_view value) {
    const SettingDef& def = catalogue[n];
    if (def.isText())
        return static_cast<std::int64_t>(value.size()) > def.maxLength ? ValueCheck::TooLong
                                                                       : ValueCheck::Accepted;

    std::string_view v = trimSpaces(value);
    if (v.empty()) v = "0";

    // Nearly every value is a plain whole number: decide those without the general parser.
    if (v.size() <= 10) {
        const bool negative = v[0] == '-';
        std::size_t i = negative ? 1 : 0;
        std::int64_t x = 0;
        for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) x = x * 10 + (v[i] - '0');
        if (i == v.size() && i > (negative ? 1u : 0u)) {
            if (negative) x = -x;
            if (x > 2147483647) return ValueCheck::Overflow;
            if (!def.hasRange()) return ValueCheck::Accepted;
            if (x < def.lowLimit) return ValueCheck::BelowLow;
            if (x > def.highLimit) return ValueCheck::AboveHigh;
            return ValueCheck::Accepted;
        }
    }
    const std::optional<double> number = numberValue(v);
    if (!number) return ValueCheck::NotNumeric;
    if (v.size() > 10) return ValueCheck::Overflow;
    // The fixed-point conversion with four decimals holds about +-9.2e14.
    const double fixed = roundHalfEven(*number, 4);
    if (!(std::fabs(fixed) < 922337203685477.0) || fixed > 2147483647.0)
        return ValueCheck::Overflow;
    if (!def.hasRange()) return ValueCheck::Accepted;
    const double x = leadingNumber(v);
    if (x < def.lowLimit) return ValueCheck::BelowLow;
    if (x > def.highLimit) return ValueCheck::AboveHigh;
    return ValueCheck::Accepted;
}

std::string_view valueCheckCode(ValueCheck check) {
    switch (check) {
        case ValueCheck::Accepted:
            return "";
        case ValueCheck::TooLong:
            return "1";
        case ValueCheck::NotNumeric:
            return "2";
        case ValueCheck::Overflow:
            return "3";
        case ValueCheck::BelowLow:
            return "4";
        case ValueCheck::AboveHigh:
            return "5";
    }
    return "";
}

std::string checkValue(const Catalogue& catalogue, int n, std::string_view value) {
    return std::string(valueCheckCode(checkSettingValue(catalogue, n, value)));
}

void validateSettingsFile(const Catalogue& catalogue, SettingsFileData& data,
                          const ReaderEnvironment& env) {
    StyledLog scratch;
    if (!data.log) data.log = &scratch;
    Reader(catalogue, data, env).run();
    if (data.log == &scratch) data.log = nullptr;
}

}  // namespace tavmir
