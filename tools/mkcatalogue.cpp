// mkcatalogue: turns the readable catalogue tables into the files the program ships with.
//
//   mkcatalogue settings.tsv cfg-write-order.tsv out/mset.dat out/template.dat
//
// settings.tsv holds the 961 settings in setting-number order, one tab-separated row each;
// cfg-write-order.tsv holds the order in which a CFG file lists them. The tool checks both
// tables against the rules the program relies on (field widths, unique names, page grid,
// ship groups matching the built-in ship table) and stops at the first broken row, naming
// it. It then writes mset.dat (packed records, then TabOrder derived from the placement,
// then CfgWriteOrder) and template.dat (the corrected server template, CR LF lines). Each
// output is written under a temporary name and renamed, so a failed run leaves no half file.
//
// Keep in step with src/core/catalogue/Catalogue.cpp, which reads mset.dat.

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <vector>

#include "catalogue/StartupTables.h"

namespace {

constexpr int kCount = tavmir::kSettingCount;
constexpr std::size_t kSectionWidth = 11;
constexpr std::size_t kKeyWidth = 30;
constexpr std::size_t kDefaultWidth = 40;
constexpr std::size_t kDescriptionWidth = 255;
constexpr std::size_t kRecordSize = 369;
constexpr std::size_t kMasterSize = kCount * kRecordSize + 2 * kCount * 4;
constexpr int kGeneralRows = 28;
constexpr int kShipPageRows = 21;
constexpr int kColumns = 4;
constexpr int kFirstShipSetting = 287;
constexpr int kLastShipSetting = 958;
constexpr std::string_view kCrLf = "\r\n";

// Ship records inside each group of eight, in file order (the fifth is the Weasel's).
constexpr std::array<int, tavmir::kShipCount> kGroupToColumn{0, 1, 2, 3, 5, 4, 6, 7};

struct Setting {
    int number = 0;
    std::string section;
    std::string key;
    std::string defaultValue;
    bool hasLimits = false;
    std::int32_t low = 0;
    std::int32_t high = 0;
    char type = 'N';
    std::int32_t maxLength = 0;
    std::int32_t page = 0;
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::string description;
    int line = 0;  // line in settings.tsv, for messages
};

struct Failure {
    std::string message;
};

[[noreturn]] void fail(const std::string& where, int line, const std::string& what) {
    throw Failure{where + " line " + std::to_string(line) + ": " + what};
}

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(
            line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return fields;
}

// Reads a table as lines; a CR before the LF is dropped so a checkout with CR LF still reads.
std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure{"cannot open " + path};
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (in.bad()) throw Failure{"cannot read " + path};
    return lines;
}

bool parseInt(std::string_view text, std::int32_t& value) {
    if (text.empty()) return false;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last;
}

std::int32_t intField(const std::string& where, int line, const std::string& name,
                      std::string_view text) {
    std::int32_t v = 0;
    if (!parseInt(text, v))
        fail(where, line, name + " is not a whole number: \"" + std::string(text) + "\"");
    return v;
}

// Texts go into a single-byte, space-padded file and into files the server reads line by
// line, so only printable ASCII is accepted.
void checkText(const std::string& where, int line, const std::string& name, const std::string& text,
               std::size_t width) {
    if (text.size() > width)
        fail(where, line,
             name + " is " + std::to_string(text.size()) + " characters, at most " +
                 std::to_string(width) + " fit");
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7e)
            fail(where, line, name + " holds a character that is not printable ASCII");
}

int shipColumnOf(const std::string& section) {
    for (int c = 0; c < tavmir::kShipCount; ++c)
        if (section == tavmir::kShipNames[static_cast<std::size_t>(c)]) return c;
    return -1;
}

// Page a general setting must lie on: PageRanges, and page 1 for 959..961.
int generalPageOf(int number) {
    for (std::size_t i = 0; i < tavmir::kPageRanges.size(); ++i)
        if (number >= tavmir::kPageRanges[i].first && number <= tavmir::kPageRanges[i].last)
            return static_cast<int>(i) + 1;
    return 1;
}

bool isShipSetting(int number) { return number >= kFirstShipSetting && number <= kLastShipSetting; }

std::vector<Setting> readSettings(const std::string& path) {
    const std::string where = std::filesystem::path(path).filename().string();
    const std::vector<std::string> lines = readLines(path);
    const std::string header =
        "number\tsection\tkey\tdefault\tlow\thigh\ttype\tmax_"
        "length\tpage\trow\tcolumn\tdescription";
    if (lines.empty() || lines[0] != header) fail(where, 1, "the header must be: " + header);

    std::vector<Setting> settings;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (lines[i].empty()) fail(where, line, "empty line");
        const std::vector<std::string> f = splitTabs(lines[i]);
        if (f.size() != 12)
            fail(where, line,
                 "expected 12 tab-separated columns, found " + std::to_string(f.size()));
        Setting s;
        s.line = line;
        s.number = intField(where, line, "number", f[0]);
        if (s.number != static_cast<int>(settings.size()) + 1)
            fail(where, line,
                 "setting number " + f[0] + " out of order, expected " +
                     std::to_string(settings.size() + 1));
        s.section = f[1];
        s.key = f[2];
        s.defaultValue = f[3];
        checkText(where, line, "section", s.section, kSectionWidth);
        checkText(where, line, "key", s.key, kKeyWidth);
        checkText(where, line, "default", s.defaultValue, kDefaultWidth);
        if (s.section.empty() || s.key.empty())
            fail(where, line, "section and key must not be empty");
        if (s.section.find_first_of(" []:=") != std::string::npos ||
            s.key.find_first_of(" []:=") != std::string::npos)
            fail(where, line, "section and key must not hold blanks, brackets, ':' or '='");
        if (f[4].empty() != f[5].empty()) fail(where, line, "give both limits or neither");
        if (!f[4].empty()) {
            s.hasLimits = true;
            s.low = intField(where, line, "low", f[4]);
            s.high = intField(where, line, "high", f[5]);
            if (s.low > s.high) fail(where, line, "low limit above high limit");
        }
        if (f[6] != "N" && f[6] != "A") fail(where, line, "type must be N or A");
        s.type = f[6][0];
        s.maxLength = intField(where, line, "max_length", f[7]);
        if (s.maxLength < 1 || s.maxLength > 255) fail(where, line, "max_length must be 1..255");
        s.page = intField(where, line, "page", f[8]);
        s.row = intField(where, line, "row", f[9]);
        s.column = intField(where, line, "column", f[10]);
        s.description = f[11];
        checkText(where, line, "description", s.description, kDescriptionWidth);
        if (s.description.empty()) fail(where, line, "description is empty");
        if (static_cast<std::int32_t>(s.defaultValue.size()) > s.maxLength)
            fail(where, line, "default is longer than max_length");
        if (s.type == 'A' && s.hasLimits) fail(where, line, "a text setting has no limits");
        if (s.type == 'N' && !s.defaultValue.empty()) {
            std::int32_t v = 0;
            if (!parseInt(s.defaultValue, v))
                fail(where, line, "numeric default is not a whole number");
            if (s.hasLimits && (v < s.low || v > s.high))
                fail(where, line, "default lies outside the limits");
        }
        settings.push_back(std::move(s));
    }
    if (settings.size() != static_cast<std::size_t>(kCount))
        fail(where, static_cast<int>(lines.size()),
             "expected " + std::to_string(kCount) + " settings, found " +
                 std::to_string(settings.size()));
    return settings;
}

void checkPlacement(const std::string& where, const std::vector<Setting>& settings) {
    std::map<std::pair<std::string, std::string>, int> names;
    std::set<std::array<int, 3>> cells;
    for (const Setting& s : settings) {
        if (!names.emplace(std::make_pair(s.section, s.key), s.number).second)
            fail(where, s.line, s.section + ":" + s.key + " appears twice");
        const int shipColumn = shipColumnOf(s.section);
        if (isShipSetting(s.number)) {
            if (shipColumn < 0)
                fail(where, s.line, "a ship setting needs a ship name as its section");
            if (s.page != 4 + shipColumn)
                fail(where, s.line,
                     "the " + s.section + " page is " + std::to_string(4 + shipColumn));
            if (s.row < 1 || s.row > kShipPageRows) fail(where, s.line, "ship page rows are 1..21");
        } else {
            if (shipColumn >= 0)
                fail(where, s.line, "a general setting cannot use a ship name as its section");
            if (s.page != generalPageOf(s.number))
                fail(where, s.line,
                     "setting " + std::to_string(s.number) + " belongs on page " +
                         std::to_string(generalPageOf(s.number)));
            if (s.row < 1 || s.row > kGeneralRows)
                fail(where, s.line, "general page rows are 1..28");
        }
        if (s.column < 1 || s.column > kColumns) fail(where, s.line, "columns are 1..4");
        if (!cells.insert({s.page, s.row, s.column}).second)
            fail(where, s.line,
                 "another setting already sits on page " + std::to_string(s.page) + " row " +
                     std::to_string(s.row) + " column " + std::to_string(s.column));
    }

    // Each group of eight holds one key for all ships, in file order; every ship-page row
    // must find its setting where the ship table says.
    for (int group = 0; group < tavmir::kShipRows; ++group) {
        const Setting& first =
            settings[static_cast<std::size_t>(kFirstShipSetting - 1 + 8 * group)];
        for (int i = 0; i < tavmir::kShipCount; ++i) {
            const Setting& s = settings[static_cast<std::size_t>(first.number - 1 + i)];
            const char* ship = tavmir::kShipNames[static_cast<std::size_t>(
                kGroupToColumn[static_cast<std::size_t>(i)])];
            if (s.section != ship)
                fail(where, s.line,
                     std::string("record ") + std::to_string(i + 1) + " of its group must be the " +
                         ship + "'s");
            if (s.key != first.key || s.row != first.row || s.column != first.column ||
                s.description != first.description || s.type != first.type ||
                s.maxLength != first.maxLength || s.hasLimits != first.hasLimits ||
                s.low != first.low || s.high != first.high)
                fail(where, s.line,
                     "differs from the first record of its group in key, place, limits or "
                     "description");
        }
    }
    for (int r = 1; r <= tavmir::kShipRows; ++r) {
        const int n = tavmir::shipTable(r, 0);
        if (n < kFirstShipSetting || n > kLastShipSetting || (n - kFirstShipSetting) % 8 != 0)
            throw Failure{"ship table row " + std::to_string(r) + " does not start a group"};
        const Setting& s = settings[static_cast<std::size_t>(n - 1)];
        if (s.row != (r - 1) % kShipPageRows + 1 || s.column != (r - 1) / kShipPageRows + 1)
            fail(where, s.line,
                 "ship table row " + std::to_string(r) + " belongs at row " +
                     std::to_string((r - 1) % kShipPageRows + 1) + " column " +
                     std::to_string((r - 1) / kShipPageRows + 1));
    }
}

std::vector<int> readWriteOrder(const std::string& path, const std::vector<Setting>& settings) {
    const std::string where = std::filesystem::path(path).filename().string();
    std::map<std::pair<std::string, std::string>, int> byName;
    for (const Setting& s : settings) byName[{s.section, s.key}] = s.number;

    const std::vector<std::string> lines = readLines(path);
    if (lines.empty() || lines[0] != "position\tsection\tkey")
        fail(where, 1, "the header must be: position<TAB>section<TAB>key");
    std::vector<int> order;
    std::vector<bool> seen(kCount + 1, false);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        const std::vector<std::string> f = splitTabs(lines[i]);
        if (f.size() != 3) fail(where, line, "expected 3 tab-separated columns");
        if (intField(where, line, "position", f[0]) != static_cast<int>(order.size()) + 1)
            fail(where, line, "position out of order");
        const auto it = byName.find({f[1], f[2]});
        if (it == byName.end()) fail(where, line, f[1] + ":" + f[2] + " is not in the catalogue");
        if (seen[static_cast<std::size_t>(it->second)])
            fail(where, line, f[1] + ":" + f[2] + " is listed twice");
        seen[static_cast<std::size_t>(it->second)] = true;
        order.push_back(it->second);
    }
    if (order.size() != static_cast<std::size_t>(kCount))
        fail(where, static_cast<int>(lines.size()),
             "expected " + std::to_string(kCount) + " positions, found " +
                 std::to_string(order.size()));
    return order;
}

// Keyboard order: page by page, and on each page down each column in turn.
std::vector<int> deriveTabOrder(const std::vector<Setting>& settings) {
    std::vector<const Setting*> sorted;
    for (const Setting& s : settings) sorted.push_back(&s);
    std::sort(sorted.begin(), sorted.end(), [](const Setting* a, const Setting* b) {
        return std::tie(a->page, a->column, a->row) < std::tie(b->page, b->column, b->row);
    });
    std::vector<int> order;
    for (const Setting* s : sorted) order.push_back(s->number);
    return order;
}

void putText(std::string& out, const std::string& text, std::size_t width) {
    out += text;
    out.append(width - text.size(), ' ');
}

void putInt(std::string& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xffu);
}

std::string buildMaster(const std::vector<Setting>& settings, const std::vector<int>& tabOrder,
                        const std::vector<int>& writeOrder) {
    std::string out;
    out.reserve(kMasterSize);
    for (const Setting& s : settings) {
        putText(out, s.section, kSectionWidth);
        putText(out, s.key, kKeyWidth);
        putText(out, s.defaultValue, kDefaultWidth);
        putInt(out, s.low);
        putInt(out, s.high);
        putText(out, s.description, kDescriptionWidth);
        putInt(out, static_cast<std::int32_t>(s.description.size()));
        putInt(out, 0);  // unused by the program
        out += s.type;
        putInt(out, s.maxLength);
        putInt(out, s.page);
        putInt(out, s.row);
        putInt(out, s.column);
    }
    for (int n : tabOrder) putInt(out, n);
    for (int n : writeOrder) putInt(out, n);
    if (out.size() != kMasterSize)
        throw Failure{"internal error: mset.dat would be " + std::to_string(out.size()) + " bytes"};
    return out;
}

// The server template: general settings grouped by section (sections in the order they first
// appear in the catalogue, keys in setting-number order), then every ship key once as "All"
// in group order. Maker:Maker carries the "+" prefix the server template gives it.
std::string buildTemplate(const std::vector<Setting>& settings) {
    std::vector<std::string> sectionOrder;
    for (const Setting& s : settings)
        if (!isShipSetting(s.number) &&
            std::find(sectionOrder.begin(), sectionOrder.end(), s.section) == sectionOrder.end())
            sectionOrder.push_back(s.section);

    auto line = [](const std::string& section, const Setting& s) {
        std::string text = section == "Maker" && s.key == "Maker" ? "+" : "";
        text += section + ":" + s.key + ":";
        if (s.hasLimits && (s.low != 0 || s.high != 0))
            text += std::to_string(s.low) + ":" + std::to_string(s.high);
        else
            text += ":";
        text += ":" + s.description;
        text += kCrLf;
        return text;
    };
    std::string out;
    for (const std::string& section : sectionOrder)
        for (const Setting& s : settings)
            if (!isShipSetting(s.number) && s.section == section) out += line(section, s);
    for (int n = kFirstShipSetting; n <= kLastShipSetting; n += 8)
        out += line("All", settings[static_cast<std::size_t>(n - 1)]);
    return out;
}

std::string temporaryName(const std::string& path) { return path + ".tmp"; }

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw Failure{"cannot create " + path};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw Failure{"cannot write " + path};
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Messages end in LF on every system, as the build's logs and the tests read them.
    ::_setmode(2, _O_BINARY);
#endif
    if (argc != 5) {
        std::cerr << "usage: mkcatalogue settings.tsv cfg-write-order.tsv out/mset.dat "
                     "out/template.dat\n";
        return 2;
    }
    const std::string masterPath = argv[3];
    const std::string templatePath = argv[4];
    try {
        const std::vector<Setting> settings = readSettings(argv[1]);
        checkPlacement(std::filesystem::path(argv[1]).filename().string(), settings);
        const std::vector<int> writeOrder = readWriteOrder(argv[2], settings);
        const std::vector<int> tabOrder = deriveTabOrder(settings);

        const std::string master = buildMaster(settings, tabOrder, writeOrder);
        const std::string templ = buildTemplate(settings);
        writeFile(temporaryName(masterPath), master);
        writeFile(temporaryName(templatePath), templ);
        std::filesystem::rename(temporaryName(masterPath), masterPath);
        std::filesystem::rename(temporaryName(templatePath), templatePath);
    } catch (const Failure& f) {
        std::error_code ignored;
        std::filesystem::remove(temporaryName(masterPath), ignored);
        std::filesystem::remove(temporaryName(templatePath), ignored);
        std::cerr << "mkcatalogue: " << f.message << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::error_code ignored;
        std::filesystem::remove(temporaryName(masterPath), ignored);
        std::filesystem::remove(temporaryName(templatePath), ignored);
        std::cerr << "mkcatalogue: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
