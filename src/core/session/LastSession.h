// The files that were open when the program was last closed, for the ReopenFiles preference:
// their paths in the order of the editors, the page each editor showed and which editor was
// active. Kept in the state folder as "session", written at a normal exit, read at the next
// start without files on the command line:
//
//     tavmir session 1
//     active INDEX                 (0-based, among the files below; -1 for none)
//     file PAGE LENGTH             (once per file: the page 1..12 and the path's length)
//     PATH
//
// Numbers are decimal; lines end in LF.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Status.h"

namespace tavmir {

inline constexpr std::string_view kLastSessionFileName = "session";

struct SessionFile {
    std::string path;
    int page = 1;
    bool operator==(const SessionFile&) const = default;
};

struct LastSession {
    std::vector<SessionFile> files;
    int active = -1;
    bool operator==(const LastSession&) const = default;
};

std::string lastSessionBytes(const LastSession& session);
// Nothing when the bytes are not a whole session file of this format.
std::optional<LastSession> parseLastSession(std::string_view bytes);

// The session file in the state folder; empty when none can be named.
std::filesystem::path lastSessionFile();
// Writes it (making the state folder); the failure's text for the user otherwise.
Status saveLastSession(const LastSession& session);
// The session kept, or nothing (none kept, damaged, unreadable).
std::optional<LastSession> loadLastSession();

// The one message listing the files of the last session that could not be opened again; empty
// for none.
std::string notReopenedMessage(const std::vector<std::string>& paths);

}  // namespace tavmir
