#include "document/SettingsWriter.h"

#include "common/Text.h"

namespace tavmir {
namespace {

// Both forms come to about 40 to 70 KB for a full catalogue; one reservation avoids regrowth.
constexpr std::size_t kExpectedFileSize = 96 * 1024;

// A value is written on its own line: a line break inside it (which the editor's fields never
// hold, but a document filled by other means might) would start a new line that the reader
// takes for another setting or heading, so it is written as a space.
void appendValue(std::string& out, std::string_view value) {
    for (char c : value) out.push_back(c == '\r' || c == '\n' ? ' ' : c);
}

}  // namespace

std::string writtenValue(std::string_view value) {
    std::string out;
    appendValue(out, trimSpaces(value));
    return out;
}

void appendSetLine(std::string& out, const SettingDef& def, std::string_view value) {
    out += def.section;
    out += ':';
    out += def.key;
    out += ':';
    if (def.page > 4) {
        // The seven ships after the Warbird refer back to its limits and description.
        appendValue(out, value);
        out += ":*";
    } else {
        appendValue(out, trimSpaces(value));
        out += ':';
        if (def.lowLimit != def.highLimit) {
            out += decimal(def.lowLimit);
            out += ':';
            out += decimal(def.highLimit);
        } else {
            out += ':';
        }
        out += ':';
        out += def.description;
    }
}

std::string cfgFileBytes(const Catalogue& catalogue, const FieldTexts& texts) {
    std::string out;
    out.reserve(kExpectedFileSize);
    std::string_view currentSection;
    for (int i = 1; i <= kSettingCount; ++i) {
        const int n = catalogue.cfgWriteOrder(i);
        const SettingDef& def = catalogue[n];
        if (def.section != currentSection) {
            if (i != 1) out += kCrLf;
            out += '[';
            out += def.section;
            out += ']';
            out += kCrLf;
            currentSection = def.section;
        }
        out += def.key;
        out += '=';
        appendValue(out, trimSpaces(texts[n]));
        out += kCrLf;
    }
    return out;
}

std::string setFileBytes(const Catalogue& catalogue, const FieldTexts& texts) {
    std::string out;
    out.reserve(kExpectedFileSize);
    for (int n = 1; n <= kSettingCount; ++n) {
        appendSetLine(out, catalogue[n], texts[n]);
        out += kCrLf;
    }
    return out;
}

std::string settingsFileBytes(const Catalogue& catalogue, const FieldTexts& texts,
                              std::string_view fileType) {
    return fileType == "SET" ? setFileBytes(catalogue, texts) : cfgFileBytes(catalogue, texts);
}

}  // namespace tavmir
