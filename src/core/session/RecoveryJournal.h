// The recovery journal of one editor: while an editor holds changes that are not saved, what
// it would take to show them again after the program ended without closing (a crash, a kill,
// a logout, a power cut) is kept in a file of the state folder (StateFolder.h, subfolder
// "recovery"). It holds the file as it was opened (its path, identity and form, and its
// values then, after the load decisions of the open, so that a file gone since can
// still be shown), the values that differ from it, the process that owns the journal and the
// time of the last change.
//
// The journal is a text a person can read, ended by a hash of everything before it, so that a
// damaged journal is never taken for a whole one:
//
//     tavmir recovery journal 1
//     owner TOKEN
//     path LENGTH
//     PATH
//     form CFG
//     file SIZE MODIFIED HASH          (or "file none": the editor never read its file)
//     changed TIME
//     opened COUNT
//     SETTING LENGTH                   (COUNT times: the setting's number, then its text)
//     TEXT
//     values COUNT
//     SETTING LENGTH
//     TEXT
//     end HASH
//
// Numbers are decimal, times nanoseconds since the epoch, hashes FNV-1a in 16 hexadecimal
// digits; lines end in LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <tl/expected.hpp>

#include "document/FieldTexts.h"

namespace tavmir {

inline constexpr std::string_view kRecoverySubfolder = "recovery";
inline constexpr std::string_view kRecoveryJournalSuffix = ".journal";
// What a journal that cannot be used is renamed to, beside it: kept for a person to look at.
inline constexpr std::string_view kRecoveryKeptSuffix = ".kept";
// The format this program writes; a journal of a higher one is left to the program that wrote
// it.
inline constexpr int kRecoveryJournalFormat = 1;
// The largest journal read: 961 settings of at most a few hundred bytes each, twice over, fit
// well within it.
inline constexpr std::uint64_t kRecoveryJournalBound = 1u << 20;

struct RecoveryJournal {
    std::string owner;      // the token of the process that owns it (RecoveryStore.h)
    std::string path;       // the file as opened
    std::string fileType;   // "CFG" or "SET"
    bool fileRead = false;  // the identity below is known
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0;
    std::int64_t changedNs = 0;       // the time of the last change
    std::vector<FieldWrite> opened;   // the setting texts as the file was opened
    std::vector<FieldWrite> changes;  // the setting texts that differ from them
};

// Why a journal is not used.
enum class JournalFault {
    Damaged,      // not one whole journal of this program (cut, changed, another kind of file)
    NewerFormat,  // written by a later version of the program
    UnknownForm,  // for a file that is neither CFG nor SET
    TooLarge,     // larger than kRecoveryJournalBound
};

std::string recoveryJournalBytes(const RecoveryJournal& journal);

tl::expected<RecoveryJournal, JournalFault> parseRecoveryJournal(std::string_view bytes);

// The words of a fault, for the message that reports a journal kept aside.
std::string_view journalFaultText(JournalFault fault);

}  // namespace tavmir
