// The journal of a write in place (InPlaceWrite.h). Before a file is overwritten in place, the
// file's identity and both its old and its new contents are kept in a journal in the state
// folder (StateFolder.h, subfolder "inplace"), flushed to disk; the journal is removed once the
// new bytes are on disk. A journal left behind names a write that was cut short (a kill, a
// crash, a power cut), and the next start finishes it (completeCutWrites in InPlaceWrite.h).
//
// The journal is a text head and the two contents, so a person can take the bytes out by hand:
//
//     tavmir in-place journal 1
//     target LENGTH
//     PATH
//     device N
//     inode N
//     old SIZE HASH
//     new SIZE HASH
//     (an empty line)
//     OLD BYTES, then NEW BYTES: the new contents are the file's last SIZE bytes
//
// Sizes and numbers are decimal, hashes FNV-1a in 16 hexadecimal digits; lines end in LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavmir {

inline constexpr std::string_view kWriteJournalSubfolder = "inplace";
inline constexpr std::string_view kWriteJournalSuffix = ".journal";
// What a journal that was not replayed is renamed to, beside it: kept for a person to look at.
inline constexpr std::string_view kKeptJournalSuffix = ".kept";

struct WriteJournal {
    std::string target;  // the file written in place, links followed
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::string oldBytes;
    std::string newBytes;
};

// The journal file's bytes.
std::string writeJournalBytes(const WriteJournal& journal);

// The journal of bytes; nothing when they are not one whole journal of this format (a damaged
// file, another format, contents that do not match their hashes).
std::optional<WriteJournal> parseWriteJournal(std::string_view bytes);

// The journal's file name for a file by its device and inode: one journal per file.
std::string writeJournalName(std::uint64_t device, std::uint64_t inode);

// Whether `now` is what the write of the journal left at some moment: the old bytes, the new
// ones, or the new bytes up to some point followed by the old ones (and the zeros of space
// reserved past the old end). A file that is none of these was changed by someone else.
bool isStateOfWrite(const WriteJournal& journal, std::string_view now);

}  // namespace tavmir
