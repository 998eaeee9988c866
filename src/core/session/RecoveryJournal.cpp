#include "session/RecoveryJournal.h"

#include <charconv>
#include <optional>

#include "catalogue/SettingDef.h"
#include "common/Hash.h"

namespace tavmir {
namespace {

constexpr std::string_view kHead = "tavmir recovery journal ";

void appendNumber(std::string& out, std::int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendUnsigned(std::string& out, std::uint64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendHex(std::string& out, std::uint64_t v) {
    char buf[16];
    for (int i = 15; i >= 0; --i) {
        buf[i] = "0123456789abcdef"[v & 15u];
        v >>= 4;
    }
    out.append(buf, 16);
}

void appendTexts(std::string& out, std::string_view name, const std::vector<FieldWrite>& texts) {
    out += name;
    out += ' ';
    appendUnsigned(out, texts.size());
    out += '\n';
    for (const FieldWrite& w : texts) {
        appendNumber(out, w.field);
        out += ' ';
        appendUnsigned(out, w.text.size());
        out += '\n';
        out += w.text;
        out += '\n';
    }
}

// Reads a journal front to back; every read fails once anything is not as written.
class Cursor {
  public:
    explicit Cursor(std::string_view bytes) : m_rest(bytes) {}

    bool word(std::string_view w) {
        if (m_rest.substr(0, w.size()) != w) return false;
        m_rest.remove_prefix(w.size());
        return true;
    }
    // A decimal number as the journal writes it: no sign unless negative, no leading zero.
    template <typename T>
    std::optional<T> number() {
        T v{};
        const char* first = m_rest.data();
        const auto [p, ec] = std::from_chars(first, first + m_rest.size(), v);
        if (ec != std::errc() || p == first) return std::nullopt;
        const std::size_t n = static_cast<std::size_t>(p - first);
        const std::size_t digits0 = m_rest[0] == '-' ? 1 : 0;
        // "0" alone; never "00", "01" or "-0".
        if (m_rest[digits0] == '0' && (n > digits0 + 1 || digits0 == 1)) return std::nullopt;
        m_rest.remove_prefix(n);
        return v;
    }
    std::optional<std::uint64_t> hex16() {
        if (m_rest.size() < 16) return std::nullopt;
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < 16; ++i) {
            const char c = m_rest[i];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (d < 0) return std::nullopt;
            v = v << 4 | static_cast<std::uint64_t>(d);
        }
        m_rest.remove_prefix(16);
        return v;
    }
    std::optional<std::string_view> bytes(std::uint64_t n) {
        if (n > m_rest.size()) return std::nullopt;
        std::string_view taken = m_rest.substr(0, static_cast<std::size_t>(n));
        m_rest.remove_prefix(static_cast<std::size_t>(n));
        return taken;
    }
    // The rest of the line, up to LF (not kept).
    std::optional<std::string_view> line() {
        const std::size_t end = m_rest.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view taken = m_rest.substr(0, end);
        m_rest.remove_prefix(end + 1);
        return taken;
    }
    std::size_t left() const { return m_rest.size(); }

  private:
    std::string_view m_rest;
};

bool readTexts(Cursor& in, std::string_view name, std::vector<FieldWrite>& texts) {
    if (!in.word(name) || !in.word(" ")) return false;
    const auto count = in.number<std::uint32_t>();
    if (!count || *count > static_cast<std::uint32_t>(kSettingCount) || !in.word("\n"))
        return false;
    int last = 0;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto field = in.number<int>();
        // In setting order, each once.
        if (!field || *field <= last || *field > kSettingCount || !in.word(" ")) return false;
        last = *field;
        const auto length = in.number<std::uint32_t>();
        if (!length || !in.word("\n")) return false;
        const auto text = in.bytes(*length);
        if (!text || !in.word("\n")) return false;
        texts.push_back(FieldWrite{*field, std::string(*text)});
    }
    return true;
}

}  // namespace

std::string recoveryJournalBytes(const RecoveryJournal& j) {
    std::string out;
    out.reserve(64 + j.path.size() + 16 * (j.opened.size() + j.changes.size()));
    out += kHead;
    appendNumber(out, kRecoveryJournalFormat);
    out += "\nowner ";
    out += j.owner;
    out += "\npath ";
    appendUnsigned(out, j.path.size());
    out += '\n';
    out += j.path;
    out += "\nform ";
    out += j.fileType;
    out += "\nfile ";
    if (j.fileRead) {
        appendUnsigned(out, j.size);
        out += ' ';
        appendNumber(out, j.modifiedNs);
        out += ' ';
        appendHex(out, j.hash);
    } else {
        out += "none";
    }
    out += "\nchanged ";
    appendNumber(out, j.changedNs);
    out += '\n';
    appendTexts(out, "opened", j.opened);
    appendTexts(out, "values", j.changes);
    const std::uint64_t hash = fnv1a64(out);
    out += "end ";
    appendHex(out, hash);
    out += '\n';
    return out;
}

tl::expected<RecoveryJournal, JournalFault> parseRecoveryJournal(std::string_view bytes) {
    const auto damaged = tl::unexpected(JournalFault::Damaged);
    if (bytes.size() > kRecoveryJournalBound) return tl::unexpected(JournalFault::TooLarge);
    Cursor in(bytes);
    if (!in.word(kHead)) return damaged;
    const auto format = in.number<int>();
    if (!format || !in.word("\n")) return damaged;
    if (*format > kRecoveryJournalFormat) return tl::unexpected(JournalFault::NewerFormat);
    if (*format != kRecoveryJournalFormat) return damaged;

    // The hash first: a journal cut or changed anywhere is damaged, whatever it seems to say.
    const std::size_t endAt = bytes.rfind("end ");
    if (endAt == std::string_view::npos || bytes.size() != endAt + 4 + 16 + 1 ||
        bytes.back() != '\n')
        return damaged;
    Cursor tail(bytes.substr(endAt + 4));
    const auto hash = tail.hex16();
    if (!hash || *hash != fnv1a64(bytes.substr(0, endAt))) return damaged;

    RecoveryJournal j;
    const auto owner = in.word("owner ") ? in.line() : std::nullopt;
    if (!owner || owner->empty()) return damaged;
    j.owner = std::string(*owner);
    if (!in.word("path ")) return damaged;
    const auto pathLength = in.number<std::uint32_t>();
    if (!pathLength || !in.word("\n")) return damaged;
    const auto path = in.bytes(*pathLength);
    if (!path || path->empty() || !in.word("\n")) return damaged;
    j.path = std::string(*path);
    const auto form = in.word("form ") ? in.line() : std::nullopt;
    if (!form) return damaged;
    j.fileType = std::string(*form);
    if (!in.word("file ")) return damaged;
    if (in.word("none\n")) {
        j.fileRead = false;
    } else {
        const auto size = in.number<std::uint64_t>();
        if (!size || !in.word(" ")) return damaged;
        const auto modified = in.number<std::int64_t>();
        if (!modified || !in.word(" ")) return damaged;
        const auto fileHash = in.hex16();
        if (!fileHash || !in.word("\n")) return damaged;
        j.fileRead = true;
        j.size = *size;
        j.modifiedNs = *modified;
        j.hash = *fileHash;
    }
    if (!in.word("changed ")) return damaged;
    const auto changed = in.number<std::int64_t>();
    if (!changed || !in.word("\n")) return damaged;
    j.changedNs = *changed;
    if (!readTexts(in, "opened", j.opened) || !readTexts(in, "values", j.changes)) return damaged;
    if (in.left() != bytes.size() - endAt) return damaged;
    if (j.fileType != "CFG" && j.fileType != "SET")
        return tl::unexpected(JournalFault::UnknownForm);
    return j;
}

std::string_view journalFaultText(JournalFault fault) {
    switch (fault) {
        case JournalFault::Damaged:
            return "it is damaged";
        case JournalFault::NewerFormat:
            return "it was written by a newer version of Tavmir";
        case JournalFault::UnknownForm:
            return "its file is neither in CFG nor in SET format";
        case JournalFault::TooLarge:
            return "it is larger than a journal can be";
    }
    return "it cannot be read";
}

}  // namespace tavmir
