#include "session/LastSession.h"

#include <charconv>

#include "common/FileRead.h"
#include "common/FileWrite.h"
#include "common/StateFolder.h"
#include "common/Text.h"

namespace tavmir {
namespace {

constexpr std::string_view kHead = "tavmir session 1\n";
constexpr std::uint64_t kSessionCap = 1u << 16;

// A decimal number at the front of rest, ended by `end`; taken off rest.
template <typename T>
std::optional<T> numberThen(std::string_view& rest, char end) {
    T v{};
    const auto [p, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), v);
    if (ec != std::errc() || p == rest.data()) return std::nullopt;
    const std::size_t n = static_cast<std::size_t>(p - rest.data());
    if (n >= rest.size() || rest[n] != end) return std::nullopt;
    rest.remove_prefix(n + 1);
    return v;
}

bool take(std::string_view& rest, std::string_view word) {
    if (!rest.starts_with(word)) return false;
    rest.remove_prefix(word.size());
    return true;
}

}  // namespace

std::string lastSessionBytes(const LastSession& session) {
    std::string out(kHead);
    out += "active " + decimal(session.active) + "\n";
    for (const SessionFile& f : session.files)
        out += "file " + decimal(f.page) + " " + decimal(static_cast<std::int64_t>(f.path.size())) +
               "\n" + f.path + "\n";
    return out;
}

std::optional<LastSession> parseLastSession(std::string_view rest) {
    LastSession s;
    if (!take(rest, kHead) || !take(rest, "active ")) return std::nullopt;
    const auto active = numberThen<int>(rest, '\n');
    if (!active) return std::nullopt;
    s.active = *active;
    while (!rest.empty()) {
        if (!take(rest, "file ")) return std::nullopt;
        const auto page = numberThen<int>(rest, ' ');
        if (!page || *page < 1 || *page > 12) return std::nullopt;
        const auto length = numberThen<std::size_t>(rest, '\n');
        if (!length || *length == 0 || *length >= rest.size() || rest[*length] != '\n')
            return std::nullopt;
        s.files.push_back(SessionFile{std::string(rest.substr(0, *length)), *page});
        rest.remove_prefix(*length + 1);
    }
    if (s.active < -1 || s.active >= static_cast<int>(s.files.size())) return std::nullopt;
    return s;
}

std::filesystem::path lastSessionFile() {
    const std::filesystem::path folder = stateFolder();
    return folder.empty() ? folder : folder / kLastSessionFileName;
}

Status saveLastSession(const LastSession& session) {
    const auto sub = stateSubfolder(".");
    if (!sub) return failedWith(sub.error());
    const WriteResult written = writeFileSafely(lastSessionFile(), lastSessionBytes(session));
    if (!written) return failedWith(written.error().reason);
    return {};
}

std::optional<LastSession> loadLastSession() {
    const std::filesystem::path file = lastSessionFile();
    if (file.empty()) return std::nullopt;
    const FileReadResult read = readFile(file.string(), kSessionCap);
    if (!read) return std::nullopt;
    return parseLastSession(read->bytes);
}

std::string notReopenedMessage(const std::vector<std::string>& paths) {
    if (paths.empty()) return {};
    std::string text = paths.size() == 1
                           ? "This file was open when Tavmir was last closed and could not be "
                             "opened again:"
                           : "These files were open when Tavmir was last closed and could not be "
                             "opened again:";
    std::string list;
    for (const std::string& p : paths) list += (list.empty() ? "" : "\r\n") + p;
    return paragraphs({text, list});
}

}  // namespace tavmir
