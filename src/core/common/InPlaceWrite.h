// Rewriting a file in place, for the files a rename would split or give away: a file with
// several hard links (every name is to show the new contents, as the user who linked them
// expects), a file whose owner or group a new file could not be given, and a writable file in
// a folder where no new file can be made. The file keeps its inode, links, owner, group and
// permissions.
//
// Safe against failures: the space the new contents need is reserved before the first byte is
// overwritten, and if writing, truncating or flushing fails anyway, the old contents (read
// first) are written back, so the file is as it was and the failure is reported; when even that
// fails, the failure is stage Restore and says where both contents are kept.
//
// Safe against a kill, a crash or a power cut, for the files the user made (Durability::
// Flushed): before the first byte is overwritten, the old and new contents and the file's
// identity are kept in a journal (WriteJournal.h), flushed, and removed once the new bytes are
// on disk. The next start finishes what a cut write left (completeCutWrites), and a later
// in-place save of the same file takes the journal's place. Without a state folder to keep the
// journal in, the write goes on unjournaled, as safe against failures as ever.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileWrite.h"

namespace tavmir {

// The largest file rewritten in place: its old bytes are held in memory and in the journal.
inline constexpr std::uint64_t kInPlaceSizeLimit = 64ULL << 20;

WriteResult rewriteInPlace(const std::filesystem::path& file, std::string_view bytes,
                           Durability durability);

// What became of one write that was cut short.
enum class CutWriteOutcome {
    Completed,  // the file now holds the bytes that were being written
    KeptAside,  // the file was changed, replaced or removed since: not touched; the journal is
                // kept (renamed with kKeptJournalSuffix) for a person to look at
    Damaged,    // the journal itself cannot be read: kept aside the same way
    Failed,     // finishing the write failed (the reason says why); tried again at the next start
};

struct CutWrite {
    CutWriteOutcome outcome = CutWriteOutcome::Completed;
    std::string target;   // the file (empty for a damaged journal)
    std::string journal;  // where the journal is now (for KeptAside, Damaged and Failed)
    std::string reason;   // Failed: the system's description
};

// Finishes every write in place that a process which is not running any more left cut short,
// in the state folder's journals. A journal whose file already holds its new bytes is simply
// removed and not listed. Journals of a write running now (locked) are left alone.
std::vector<CutWrite> completeCutWrites();

// The system's side of completeCutWrites: finishes, keeps aside or removes the one journal at
// path; nothing when it is held by a running write or needed no word (already done).
std::optional<CutWrite> completeCutWrite(const std::filesystem::path& journal);

// The message that tells the user, once, what the next start did with cut writes; empty for
// an empty list.
std::string cutWritesMessage(const std::vector<CutWrite>& writes);

}  // namespace tavmir
