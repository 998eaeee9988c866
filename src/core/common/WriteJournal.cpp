#include "common/WriteJournal.h"

#include <algorithm>
#include <charconv>

#include "common/Hash.h"

namespace tavmir {
namespace {

constexpr std::string_view kHead = "tavmir in-place journal 1\n";

std::string hex16(std::uint64_t v) {
    char buf[16];
    for (int i = 15; i >= 0; --i) {
        buf[i] = "0123456789abcdef"[v & 15];
        v >>= 4;
    }
    return std::string(buf, 16);
}

// Reads the head's lines in order; every read fails once one has.
class HeadReader {
  public:
    explicit HeadReader(std::string_view bytes) : m_rest(bytes) {}

    bool literal(std::string_view text) {
        if (!m_ok || !m_rest.starts_with(text)) return m_ok = false;
        m_rest.remove_prefix(text.size());
        return true;
    }
    // A decimal number ended by `end`.
    std::uint64_t number(char end) { return parsed(end, 10, 0); }
    // 16 hexadecimal digits ended by `end`.
    std::uint64_t hash(char end) { return parsed(end, 16, 16); }
    std::string_view take(std::uint64_t size) {
        if (!m_ok || size > m_rest.size()) {
            m_ok = false;
            return {};
        }
        const std::string_view taken = m_rest.substr(0, static_cast<std::size_t>(size));
        m_rest.remove_prefix(static_cast<std::size_t>(size));
        return taken;
    }
    std::string_view rest() const { return m_rest; }
    bool ok() const { return m_ok; }

  private:
    std::uint64_t parsed(char end, int base, std::size_t digits) {
        std::uint64_t v = 0;
        if (!m_ok) return 0;
        const std::size_t stop = m_rest.find(end);
        const char* first = m_rest.data();
        const auto [p, ec] = std::from_chars(first, first + std::min(stop, m_rest.size()), v, base);
        const std::size_t used = static_cast<std::size_t>(p - first);
        // Digits only, all of them up to the end mark, and as many as asked; written as the
        // journal writes them (lower-case hexadecimal, no leading zero in a decimal), so that
        // a journal has one spelling.
        const std::string_view text = m_rest.substr(0, used);
        const bool canonical =
            base == 16 ? text.find_first_not_of("0123456789abcdef") == std::string_view::npos
                       : !(text.size() > 1 && text[0] == '0');
        if (ec != std::errc() || stop == std::string_view::npos || used != stop ||
            (digits != 0 && used != digits) || !canonical) {
            m_ok = false;
            return 0;
        }
        m_rest.remove_prefix(used + 1);
        return v;
    }

    std::string_view m_rest;
    bool m_ok = true;
};

}  // namespace

std::string writeJournalBytes(const WriteJournal& j) {
    std::string out(kHead);
    out += "target " + std::to_string(j.target.size()) + "\n" + j.target + "\n";
    out += "device " + std::to_string(j.device) + "\n";
    out += "inode " + std::to_string(j.inode) + "\n";
    out += "old " + std::to_string(j.oldBytes.size()) + " " + hex16(fnv1a64(j.oldBytes)) + "\n";
    out += "new " + std::to_string(j.newBytes.size()) + " " + hex16(fnv1a64(j.newBytes)) + "\n";
    out += "\n";
    out += j.oldBytes;
    out += j.newBytes;
    return out;
}

std::optional<WriteJournal> parseWriteJournal(std::string_view bytes) {
    HeadReader r(bytes);
    WriteJournal j;
    r.literal(kHead);
    r.literal("target ");
    j.target = std::string(r.take(r.number('\n')));
    r.literal("\ndevice ");
    j.device = r.number('\n');
    r.literal("inode ");
    j.inode = r.number('\n');
    r.literal("old ");
    const std::uint64_t oldSize = r.number(' ');
    const std::uint64_t oldHash = r.hash('\n');
    r.literal("new ");
    const std::uint64_t newSize = r.number(' ');
    const std::uint64_t newHash = r.hash('\n');
    r.literal("\n");
    j.oldBytes = std::string(r.take(oldSize));
    j.newBytes = std::string(r.take(newSize));
    if (!r.ok() || !r.rest().empty() || j.target.empty() ||
        j.target.find('\0') != std::string::npos || fnv1a64(j.oldBytes) != oldHash ||
        fnv1a64(j.newBytes) != newHash)
        return std::nullopt;
    return j;
}

std::string writeJournalName(std::uint64_t device, std::uint64_t inode) {
    return hex16(device) + "-" + hex16(inode) + std::string(kWriteJournalSuffix);
}

bool isStateOfWrite(const WriteJournal& j, std::string_view now) {
    const std::string_view next = j.newBytes;
    const std::string_view old = j.oldBytes;
    if (now == next || now == old) return true;
    // The bytes are written from the start; reserved space past the old end reads as zeros.
    if (now.size() > std::max(old.size(), next.size())) return false;
    std::size_t k = 0;
    while (k < now.size() && k < next.size() && now[k] == next[k]) ++k;
    // The file is cut to the new size only once all the new bytes are written: a mix is at
    // least as long as the old file.
    if (now.size() < old.size()) return false;
    for (std::size_t i = k; i < now.size(); ++i)
        if (now[i] != (i < old.size() ? old[i] : '\0')) return false;
    return true;
}

}  // namespace tavmir
