// Where the recovery journals (RecoveryJournal.h) live and who owns them. Each running program
// is an owner with a token of its own (process number and start time), and holds a lock on its
// owner file, "TOKEN.owner" in the recovery folder, for as long as it runs: the lock goes with
// the process, however it ends. A journal names its owner, so a start sees at once which
// journals belong to a program that ended without closing (its owner file is gone or no longer
// locked) and which to another program running now, which it never offers or takes.
//
// Journals are written through the one door (writeFileSafely): a journal on disk is always a
// whole one. JournalWriter writes them away from the user-interface thread.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/FileIdentity.h"
#include "common/FileLock.h"
#include "common/Status.h"
#include "session/RecoveryJournal.h"

namespace tavmir {

// A journal file held open and locked by this process, so that no other start takes it while
// this one decides about it.
using JournalClaim = HeldFile;

// This program as the owner of journals. The owner file is made and locked on first use.
class RecoveryOwner {
  public:
    RecoveryOwner();
    RecoveryOwner(const RecoveryOwner&) = delete;
    RecoveryOwner& operator=(const RecoveryOwner&) = delete;
    ~RecoveryOwner();

    const std::string& token() const { return m_token; }
    // The journal file of this program's editor number `serial`; empty when no recovery folder
    // can be had (journals are then not kept, and the reason is in folderError()).
    std::filesystem::path journalPath(int serial);
    const std::string& folderError() const { return m_folderError; }

  private:
    bool claim();

    std::string m_token;
    std::filesystem::path m_folder;
    std::string m_folderError;
    HeldFile m_lock;  // the owner file, held while the program runs
    bool m_tried = false;
};

// Whether the owner with `token` is running now (it holds its owner file's lock).
bool ownerIsRunning(const std::filesystem::path& folder, const std::string& token);

// How the file of a journal is now, against the identity the journal kept.
enum class FileSinceOpened {
    Same,     // as it was opened
    Changed,  // other bytes (or not readable now)
    Gone,     // nothing there, or no longer a regular file
};

struct LeftJournal {
    std::filesystem::path file;  // the journal
    RecoveryJournal journal;
    FileSinceOpened since = FileSinceOpened::Same;
    JournalClaim claim;
};

// A journal that could not be used, renamed aside.
struct SetAsideJournal {
    std::filesystem::path keptAs;
    JournalFault fault = JournalFault::Damaged;
};

struct LeftJournals {
    std::vector<LeftJournal> journals;  // by time of the last change, oldest first
    std::vector<SetAsideJournal> setAside;
};

// The journals in `folder` (the recovery folder) of programs that ended without closing;
// journals of running programs (ownToken's included) are left alone, and so are owner files
// of running programs. Damaged, newer, unknown-form and oversized journals are renamed aside
// (kRecoveryKeptSuffix) and listed once. Owner files of ended programs without journals left
// are removed.
LeftJournals findLeftJournals(const std::filesystem::path& folder, const std::string& ownToken);
// The same in the state folder's recovery folder.
LeftJournals findLeftJournals(const std::string& ownToken);

// How the file at `journal.path` is now.
FileSinceOpened fileSinceOpened(const RecoveryJournal& journal);

// What the recovery dialog warns of for a file in this state; empty for Same.
std::string_view sinceOpenedWarning(FileSinceOpened since);

// The record a reader would have made of the file as the journal kept it when it was opened:
// the values of a file gone from disk, to open it again from its journal.
struct SettingsFileData;
void fillFromJournal(const RecoveryJournal& journal, SettingsFileData& record);

// The message that reports journals set aside; empty for none.
std::string setAsideMessage(const std::vector<SetAsideJournal>& setAside);

// Removes a journal file; the system's reason when it was there and could not be removed.
Status removeJournal(const std::filesystem::path& file);

// Writes journals on a thread of its own, the newest bytes of each file only: a journal asked
// for again before its last write began is written once, with the later bytes. A removal
// queued after a write wins over it. The destructor finishes what is queued.
class JournalWriter {
  public:
    JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;
    ~JournalWriter();

    void write(const std::filesystem::path& file, std::string bytes);
    void remove(const std::filesystem::path& file);
    // Waits until everything queued is on disk (or failed).
    void flush();
    // The reason of the last write that failed, once; empty when none did.
    std::string takeFailure();

  private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<std::filesystem::path, std::optional<std::string>> m_queue;
    bool m_busy = false;
    bool m_stop = false;
    std::string m_failure;
    std::thread m_thread;
};

}  // namespace tavmir
