// What "tavmir -v" prints for one file of arbitrary bytes under a name of arbitrary bytes, in
// the json and the gnu format. The JSON document parses back and lists the findings the reader
// gave, with counts that cover them; the gnu text has one line per finding (and the note when
// not all are listed), each naming the file and the finding as printableText shows them, with no
// control character left; and printableText's escapes read back give the name again. The first
// byte chooses the extension, whether a report was asked for and whether the file begins with
// every setting at its default (so that the findings are those of the lines that follow, not
// 961 settings not found), the second the name's length; the name's bytes follow, then the
// file's.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "GnuLines.h"
#include "ValidationJson.h"
#include "catalogue/StartupTables.h"
#include "common/Text.h"
#include "settingsfile/SettingsFileReader.h"

namespace {

using tavmir::fuzz::check;

// printableText's two escapes, \\ and \xHH, read back.
std::string readEscapes(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        check(i + 1 < text.size());
        if (text[i + 1] == '\\') {
            out += '\\';
            ++i;
            continue;
        }
        check(text[i + 1] == 'x' && i + 3 < text.size());
        const std::string hex(text.substr(i + 2, 2));
        check(hex.find_first_not_of("0123456789ABCDEF") == std::string::npos);
        out += static_cast<char>(std::stoi(hex, nullptr, 16));
        i += 3;
    }
    return out;
}

// A member the document must have.
const nlohmann::json& member(const nlohmann::json& object, const char* key) {
    check(object.is_object() && object.contains(key));
    return *object.find(key);
}

// Every setting of the catalogue at its default, in the CFG form.
const std::string& completeFile() {
    static const std::string text = [] {
        const tavmir::Catalogue& cat = tavmir::fuzz::catalogue();
        std::string out, section;
        for (int i = 1; i <= tavmir::kSettingCount; ++i) {
            const tavmir::SettingDef& d = cat[cat.cfgWriteOrder(i)];
            if (d.section != section) out += "[" + (section = d.section) + "]\r\n";
            out += d.key + "=" + d.defaultValue + "\r\n";
        }
        return out;
    }();
    return text;
}

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavmir;
    using Json = nlohmann::json;
    fuzz::Input in(data, size);
    const unsigned choice = in.byte();
    const std::size_t nameLength = in.byte() % 24;
    const std::string name = std::string(in.take(nameLength)) + (choice & 1 ? ".set" : ".cfg");
    const bool reportAsked = (choice & 2) != 0;

    // One record for every input, as the console keeps one from file to file.
    static SettingsFileData record;
    StyledLog log;
    std::vector<Finding> findings;
    record.fileName = name;
    record.options = 0;
    record.reportFile = reportAsked ? name + ".log" : std::string();
    record.log = &log;
    record.findings = &findings;
    const std::string bytes =
        (choice & 4 ? completeFile() : std::string()) + std::string(in.rest());
    validateSettingsBytes(fuzz::catalogue(), record, {}, bytes);

    // The JSON document.
    ValidationJson writer;
    writer.add(record, findings, reportAsked);
    const Json document = Json::parse(writer.text(), nullptr, false);
    check(document.is_object() && document.size() == 1);
    const Json& files = member(document, "files");
    check(files.is_array() && files.size() == 1);
    const Json& file = files[0];
    check(member(file, "file").is_string() && (!isAscii(name) || member(file, "file") == name));
    const Json& listed = member(file, "findings");
    check(listed.is_array() && listed.size() == findings.size());
    std::size_t errors = 0, warnings = 0;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        const Json& j = listed[i];
        const bool error = f.kind == FindingKind::Error;
        check(member(j, "kind") == (error ? "error" : "warning"));
        check(f.line > 0 ? member(j, "line") == f.line : member(j, "line").is_null());
        check(member(j, "text").is_string() && (!isAscii(f.text) || member(j, "text") == f.text));
        // A value or pair finding carries its fix, every other finding null.
        check(f.fix ? member(j, "fix").is_string() : member(j, "fix").is_null());
        ++(error ? errors : warnings);
    }
    const Json& errorCount = member(file, "errors");
    const Json& warningCount = member(file, "warnings");
    check(errorCount.is_number_unsigned() && warningCount.is_number_unsigned());
    const std::size_t counted = static_cast<std::size_t>(record.errorCount + record.warningCount);
    if (counted >= findings.size() && record.status == ReadStatus::Read) {
        // Every finding listed is counted; when all are listed, the counts are the list's.
        check(errorCount.get<std::size_t>() >= errors &&
              warningCount.get<std::size_t>() >= warnings);
        if (counted == findings.size()) check(errorCount == errors && warningCount == warnings);
    } else {
        // An empty file or one of neither form: its one error, counted by the document alone.
        check(record.status != ReadStatus::Read && errors == 1 && warnings == 0);
        check(errorCount == 1 && warningCount == 0);
    }

    // The gnu lines, counted against the findings.
    const std::string gnu = gnuLines(name, findings, counted);
    check(gnu.empty() || gnu.back() == '\n');
    const std::string shown = printableText(name);
    check(readEscapes(shown) == name);
    std::size_t lines = 0;
    for (std::size_t from = 0; from < gnu.size(); ++lines) {
        const std::size_t end = gnu.find('\n', from);
        const std::string_view line = std::string_view(gnu).substr(from, end - from);
        from = end + 1;
        for (const char c : line)
            check(static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) != 0x7f);
        check(line.starts_with(shown));
        if (lines == findings.size()) {
            check(line.substr(shown.size()) ==
                  ": note: Too many errors and warnings: the rest are counted but not listed");
            continue;
        }
        check(lines < findings.size());
        const Finding& f = findings[lines];
        std::string head = f.line > 0 ? ":" + std::to_string(f.line) : std::string();
        head += f.kind == FindingKind::Error ? ": error: " : ": warning: ";
        check(line.substr(shown.size(), head.size()) == head);
        check(readEscapes(line.substr(shown.size() + head.size())) == f.text);
    }
    check(lines == findings.size() + (counted > findings.size() ? 1 : 0));
    return 0;
}
