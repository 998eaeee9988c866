#include "session/RecoveryStore.h"

#include <algorithm>
#include <chrono>

#include "common/FileRead.h"
#include "common/FileSystem.h"
#include "common/FileWrite.h"
#include "common/StateFolder.h"
#include "common/SystemError.h"
#include "common/Text.h"
#include "settingsfile/SettingsFileData.h"

namespace tavmir {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOwnerSuffix = ".owner";

// The owner token named by a journal's file name: "TOKEN-SERIAL.journal".
std::string tokenOfJournalName(const std::string& stem) {
    const std::size_t dash = stem.rfind('-');
    return dash == std::string::npos ? std::string() : stem.substr(0, dash);
}

}  // namespace

RecoveryOwner::RecoveryOwner() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    m_token = decimal(static_cast<std::int64_t>(currentProcessId())) + "." +
              decimal(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

RecoveryOwner::~RecoveryOwner() {
    if (!m_lock.held()) return;
    // A program that closes normally has no journal left; its owner file goes with it (the
    // lock goes when m_lock closes it).
    removeFile(m_folder / (m_token + std::string(kOwnerSuffix)));
}

bool RecoveryOwner::claim() {
    if (m_tried) return m_lock.held();
    m_tried = true;
    const auto folder = stateSubfolder(kRecoverySubfolder);
    if (!folder) {
        m_folderError = folder.error();
        return false;
    }
    const fs::path lock = *folder / (m_token + std::string(kOwnerSuffix));
    auto held = HeldFile::createLocked(lock);
    if (!held) {
        m_folderError = held.error();
        return false;
    }
    m_folder = *folder;
    m_lock = std::move(*held);
    return true;
}

fs::path RecoveryOwner::journalPath(int serial) {
    if (!claim()) return {};
    return m_folder / (m_token + "-" + decimal(serial) + std::string(kRecoveryJournalSuffix));
}

bool ownerIsRunning(const fs::path& folder, const std::string& token) {
    return lockIsHeld(folder / (token + std::string(kOwnerSuffix)));
}

FileSinceOpened fileSinceOpened(const RecoveryJournal& journal) {
    const FileIdentity now = identifyFile(journal.path);
    if (!now.exists || !now.regular) return FileSinceOpened::Gone;
    if (!journal.fileRead) return FileSinceOpened::Changed;
    if (!now.error.empty() || now.size != journal.size || now.hash != journal.hash)
        return FileSinceOpened::Changed;
    return FileSinceOpened::Same;
}

LeftJournals findLeftJournals(const fs::path& folder, const std::string& ownToken) {
    LeftJournals left;
    std::error_code ec;
    std::vector<fs::path> journals;
    std::vector<fs::path> owners;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() == kRecoveryJournalSuffix) journals.push_back(p);
        if (p.extension() == kOwnerSuffix) owners.push_back(p);
        // A journal being written when its program ended: the journal before it still holds.
        // Removed unless a running write holds it.
        if (p.extension() == ".tmp") removeUnlessHeld(p);
    }
    std::sort(journals.begin(), journals.end());
    std::vector<std::string> liveTokens;
    for (const fs::path& p : journals) {
        const std::string token = tokenOfJournalName(p.stem().string());
        if (token == ownToken) continue;
        if (!token.empty() && ownerIsRunning(folder, token)) {
            liveTokens.push_back(token);
            continue;
        }
        // Gone meanwhile, not a file of ours, or another start is deciding about it now.
        std::optional<JournalClaim> claim = HeldFile::lockExisting(p);
        if (!claim) continue;
        const FileReadResult read = claim->read(kRecoveryJournalBound);
        tl::expected<RecoveryJournal, JournalFault> journal =
            read ? parseRecoveryJournal(read->bytes)
            : read.error().failure == ReadFailure::TooLarge
                ? tl::expected<RecoveryJournal, JournalFault>(tl::unexpect, JournalFault::TooLarge)
                : tl::expected<RecoveryJournal, JournalFault>(tl::unexpect, JournalFault::Damaged);
        if (journal && journal->owner != token) journal = tl::unexpected(JournalFault::Damaged);
        if (!journal) {
            left.setAside.push_back(
                SetAsideJournal{keepAside(p, kRecoveryKeptSuffix), journal.error()});
            continue;
        }
        LeftJournal entry;
        entry.file = p;
        entry.since = fileSinceOpened(*journal);
        entry.journal = std::move(*journal);
        entry.claim = std::move(*claim);
        left.journals.push_back(std::move(entry));
    }
    std::stable_sort(left.journals.begin(), left.journals.end(),
                     [](const LeftJournal& a, const LeftJournal& b) {
                         return a.journal.changedNs < b.journal.changedNs;
                     });
    // Owner files of programs that ended: removed once locked by this start, so no owner
    // starting now loses its own.
    for (const fs::path& p : owners) {
        const std::string token = p.stem().string();
        if (token == ownToken) continue;
        if (std::find(liveTokens.begin(), liveTokens.end(), token) != liveTokens.end()) continue;
        removeUnlessHeld(p);
    }
    return left;
}

LeftJournals findLeftJournals(const std::string& ownToken) {
    const fs::path state = stateFolder();
    if (state.empty()) return {};
    return findLeftJournals(state / kRecoverySubfolder, ownToken);
}

std::string_view sinceOpenedWarning(FileSinceOpened since) {
    switch (since) {
        case FileSinceOpened::Same:
            return "";
        case FileSinceOpened::Changed:
            return "The file has changed on disk since it was opened";
        case FileSinceOpened::Gone:
            return "The file is no longer on disk";
    }
    return "";
}

void fillFromJournal(const RecoveryJournal& journal, SettingsFileData& record) {
    record.fileType = journal.fileType;
    record.status = ReadStatus::Read;
    for (const FieldWrite& w : journal.opened) {
        record.values[static_cast<std::size_t>(w.field)] = w.text;
        record.found[static_cast<std::size_t>(w.field)] = true;
        ++record.foundCount;
    }
    record.contentLines = record.foundCount;
}

std::string setAsideMessage(const std::vector<SetAsideJournal>& setAside) {
    if (setAside.empty()) return {};
    std::string text = setAside.size() == 1
                           ? "A recovery journal of unsaved changes cannot be used and was kept "
                             "aside:"
                           : "Recovery journals of unsaved changes cannot be used and were kept "
                             "aside:";
    for (const SetAsideJournal& s : setAside)
        text = paragraphs(
            {text, s.keptAs.string() + " (" + std::string(journalFaultText(s.fault)) + ")"});
    return text;
}

Status removeJournal(const fs::path& file) { return removeFile(file); }

JournalWriter::JournalWriter() : m_thread([this] { run(); }) {}

JournalWriter::~JournalWriter() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void JournalWriter::write(const fs::path& file, std::string bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_queue[file] = std::move(bytes);
    }
    m_wake.notify_one();
}

void JournalWriter::remove(const fs::path& file) {
    {
        std::lock_guard lock(m_mutex);
        m_queue[file] = std::nullopt;
    }
    m_wake.notify_one();
}

void JournalWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

std::string JournalWriter::takeFailure() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_failure, std::string());
}

void JournalWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
        if (m_queue.empty()) {
            if (m_stop) return;
            continue;
        }
        auto node = m_queue.extract(m_queue.begin());
        m_busy = true;
        lock.unlock();
        std::string failure;
        if (node.mapped()) {
            const WriteResult done = writeFileSafely(node.key(), *node.mapped());
            if (!done) failure = node.key().string() + ": " + done.error().reason;
        } else if (const Status removed = removeJournal(node.key()); !removed) {
            failure = node.key().string() + ": " + removed.error();
        }
        lock.lock();
        m_busy = false;
        if (!failure.empty()) m_failure = std::move(failure);
        if (m_queue.empty()) m_idle.notify_all();
    }
}

}  // namespace tavmir
