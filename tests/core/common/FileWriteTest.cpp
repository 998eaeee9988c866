#include "common/FileWrite.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "common/FileRead.h"
#include "common/InPlaceWrite.h"
#include "common/WriteJournal.h"
#include "support/TempDir.h"

namespace tavmir {
namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// The identity a write returns is the file's as it is on disk afterwards, for both ways of
// writing: the caller needs not read it again.
TEST(FileWrite, ReturnsTheIdentityOfTheBytesItWrote) {
    test::TempDir dir;
    const std::string file = dir.file("arena.cfg", "old");
    const std::string link = dir.path("link.cfg");
    fs::create_hard_link(file, link);
    for (const std::string& bytes : {std::string("in place"), std::string()}) {
        const WriteResult r = writeFileSafely(file, bytes);
        ASSERT_TRUE(r);
        EXPECT_EQ(diskChange(*r, identifyFile(file)), DiskChange::None);
        EXPECT_EQ(r->inode, nodeStatusOf(file).stamp.inode);
        EXPECT_EQ(r->size, bytes.size());
        fs::remove(link);  // the second write replaces the file by a rename
    }
    const WriteResult r = writeFileSafely(file, "renamed");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->modifiedNs, identifyFile(file).modifiedNs);
    EXPECT_EQ(r->hash, identifyFile(file).hash);
}

// The tests below are about POSIX: owners, permission bits, and kills of a forked child.
#ifndef _WIN32

struct stat statOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st;
}

// Runs f in a child process as uid/gid 65533; true when it returned true.
template <typename F>
bool asAnotherUser(F f) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool dropped = ::setgid(65533) == 0 && ::setuid(65533) == 0;
        ::_exit(dropped && f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool written(const fs::path& target, const std::string& bytes,
             Durability durability = Durability::Flushed) {
    return writeFileSafely(target, bytes, durability).has_value();
}

TEST(FileWrite, KeepsTheOwnerAndGroupOfTheReplacedFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a test file another owner";
    test::TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const std::string file = dir.file("arena.cfg", "old");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ::chmod(file.c_str(), 0640);
    const ino_t oldInode = statOf(file).st_ino;
    ASSERT_TRUE(written(file, "new"));
    struct stat st = statOf(file);
    EXPECT_NE(st.st_ino, oldInode) << "replaced whole, not rewritten in place";
    EXPECT_EQ(std::make_tuple(st.st_uid, st.st_gid, st.st_mode & 07777, test::readAll(file)),
              std::make_tuple(65534u, 65534u, 0640u, std::string("new")));

    // Someone else's file that another user may write: a new file could not be given its
    // owner, so it is rewritten in place, and so is a writable file in a closed folder.
    ::chmod(file.c_str(), 0666);
    const ino_t inode = st.st_ino;
    EXPECT_TRUE(asAnotherUser([&] { return written(file, "newer"); }));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(asAnotherUser([&] { return written(file, "newest"); }));
    st = statOf(file);
    EXPECT_EQ(std::make_tuple(st.st_uid, st.st_ino, test::readAll(file)),
              std::make_tuple(65534u, inode, std::string("newest")));
    EXPECT_EQ(dir.entryCount(), 1);
    // A file its permissions keep from being written is refused, though the folder allows it.
    ::chmod(dir.path().c_str(), 0777);
    ::chmod(file.c_str(), 0644);
    EXPECT_TRUE(asAnotherUser([&] {
        const WriteResult r = writeFileSafely(file, "x");
        return !r && r.error().stage == WriteStage::Open && r.error().reason == "Permission denied";
    }));
    EXPECT_EQ(test::readAll(file), "newest");
}

// How many kills landed where, for a kill test's report.
struct KillCounts {
    int before = 0;     // the file still had its old bytes
    int journaled = 0;  // old bytes, with the journal of the write on disk
    int partial = 0;    // neither old nor new bytes: the kill landed during the overwrite
    int after = 0;      // the new bytes
    int leftovers = 0;  // a temporary file or journal was left behind
    int completed = 0;  // finished by the next start
};

std::string version(int n, std::size_t size) {
    std::string bytes = "version " + std::to_string(n) + "\r\n";
    bytes.resize(size + static_cast<std::size_t>(n % 7) * 4099, static_cast<char>('a' + n % 26));
    return bytes;
}

// The seed of a kill test: TAVMIR_KILL_SEED replays one, else a fresh one. Printed either way.
unsigned killSeed(const char* test) {
    const char* given = std::getenv("TAVMIR_KILL_SEED");
    const unsigned seed = given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                                           : std::random_device{}();
    std::printf("%s: seed %u (TAVMIR_KILL_SEED=%u replays it)\n", test, seed, seed);
    return seed;
}

// Runs write in a child and kills it at a random moment up to spanMicros after `from` says
// yes (polled; at once when there is none): within the time a whole write takes, or within
// the part of it that follows some step.
template <typename Write>
void killDuring(Write write, long spanMicros, std::mt19937& rng,
                const std::function<bool()>& from = {}) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(write() ? 0 : 1);
    const auto started = Clock::now();
    if (from) {
        while (!from() && Clock::now() - started < std::chrono::seconds(5))
            std::this_thread::yield();
    }
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::uniform_int_distribution<long>(0, spanMicros)(rng)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// How long write takes in a child, fork to exit, or from the moment `from` says yes.
template <typename Write>
long microsOf(Write write, const std::function<bool()>& from = {}) {
    constexpr int kCalibration = 5;
    long total = 0;
    for (int i = 0; i < kCalibration; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(write() ? 0 : 1);
        auto start = Clock::now();
        if (from) {
            int status = 0;
            while (!from() && ::waitpid(pid, &status, WNOHANG) == 0) std::this_thread::yield();
            start = Clock::now();
        }
        ::waitpid(pid, nullptr, 0);
        total +=
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    }
    return total / kCalibration;
}

// A save killed at any moment leaves the target with its old bytes or its new ones, never a
// mix; a temporary file it leaves behind is gone after the next save.
TEST(FileWrite, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    test::TempDir dir;
    const std::string target = dir.path("arena.cfg");
    std::string current = version(0, 512 * 1024);
    ASSERT_TRUE(written(target, current));

    // Every third save is flushed to disk as the user's files are; the others are derived
    // files, which spend their time writing rather than waiting for the disk. How long each
    // takes in a child, fork to exit, spreads the kills over all of it.
    const auto durabilityOf = [](int run) {
        return run % 3 == 0 ? Durability::Flushed : Durability::Derived;
    };
    const long micros[2] = {microsOf([&] { return written(target, current, durabilityOf(0)); }),
                            microsOf([&] { return written(target, current, durabilityOf(1)); })};

    std::mt19937 rng(killSeed("rename"));
    constexpr int kRuns = 300;
    KillCounts n;
    for (int run = 1; run <= kRuns; ++run) {
        const std::string next = version(2 * run - 1, 512 * 1024);
        const Durability durability = durabilityOf(run);
        killDuring([&] { return written(target, next, durability); },
                   micros[durability == Durability::Flushed ? 0 : 1], rng);

        const std::string seen = test::readAll(target);
        ASSERT_TRUE(seen == current || seen == next)
            << "run " << run << ": " << seen.size() << " bytes of neither version";
        (seen == next ? n.after : n.before)++;
        if (dir.entryCount() > 1) ++n.leftovers;

        current = version(2 * run, 512 * 1024);
        ASSERT_TRUE(written(target, current, Durability::Derived));
        ASSERT_EQ(dir.entryCount(), 1) << "run " << run << ": a temporary file stayed";
        ASSERT_EQ(test::readAll(target), current);
    }
    std::printf("%d kills: %d before the rename (%d left a temporary file), %d after it\n", kRuns,
                n.before, n.leftovers, n.after);
    EXPECT_GT(n.before, 0) << "no kill landed before the rename";
    EXPECT_GT(n.after, 0) << "no kill landed after the rename";
}

// The two saves that rewrite a file in place (a file with two names; a writable file in a
// folder that takes no new file, saved by a user who may not add files there), killed at
// random moments: the kills that land during the overwrite leave a file of neither version,
// and the next start (completeCutWrites) completes each of them from the journal, so that no
// partial file remains.
void inPlaceKillTest(const char* name, bool closedFolder) {
    test::TempDir dir;
    test::TempDir stateHome;
    ::chmod(stateHome.path().c_str(), 0777);
    ::setenv("XDG_STATE_HOME", stateHome.path().c_str(), 1);
    const std::string target = dir.path("arena.cfg");
    std::string current = version(0, 4 << 20);
    ASSERT_TRUE(written(target, current));
    ::chmod(target.c_str(), 0666);
    const std::string other = dir.path("other-name.cfg");
    if (!closedFolder) {
        ASSERT_EQ(::link(target.c_str(), other.c_str()), 0);
    }
    const fs::path journals = stateHome.path() / "tavmir" / "inplace";

    // The writer: as this user for the linked file; as another user, in a folder it cannot
    // write, for the other case.
    const auto save = [&](const std::string& bytes) {
        if (!closedFolder) return written(target, bytes);
        return ::setgid(65533) == 0 && ::setuid(65533) == 0 && written(target, bytes);
    };
    if (closedFolder) ::chmod(dir.path().c_str(), 0755);
    const struct stat st = statOf(target);
    const fs::path journal = journals / writeJournalName(st.st_dev, st.st_ino);
    const auto journalThere = [&] { return ::access(journal.c_str(), F_OK) == 0; };
    // A third of the kills are spread over the whole save, a third over what follows the
    // journal's flush, and a third land as soon as the overwrite is seen to have begun (the
    // file's size or first bytes changed), which is short beside the flushes.
    const long span = microsOf([&] { return save(current); });
    const long overwriteSpan = microsOf([&] { return save(current); }, journalThere);
    const auto overwriteBegun = [&] {
        const struct stat now = statOf(target);
        if (static_cast<std::size_t>(now.st_size) != current.size()) return true;
        std::ifstream in(target, std::ios::binary);
        char head[16] = {};
        in.read(head, sizeof head);
        return std::string_view(head, sizeof head) != std::string_view(current).substr(0, 16);
    };
    const auto journalCount = [&] {
        std::error_code ec;
        long count = 0;
        for (fs::directory_iterator it(journals, ec), end; !ec && it != end; it.increment(ec))
            ++count;
        return count;
    };

    std::mt19937 rng(killSeed(name));
    constexpr int kRuns = 102;
    KillCounts n;
    for (int run = 1; run <= kRuns; ++run) {
        const std::string next = version(2 * run - 1, 4 << 20);
        if (run % 3 == 0)
            killDuring([&] { return save(next); }, span, rng);
        else if (run % 3 == 1)
            killDuring([&] { return save(next); }, overwriteSpan, rng, journalThere);
        else
            killDuring([&] { return save(next); }, 0, rng, overwriteBegun);

        const std::string seen = test::readAll(target);
        const bool journaled = journalThere();
        if (seen == current)
            (journaled ? n.journaled : n.before)++;
        else if (seen == next)
            n.after++;
        else
            n.partial++;
        if (journalCount() > 0) n.leftovers++;

        for (const CutWrite& cut : completeCutWrites()) {
            ASSERT_EQ(cut.outcome, CutWriteOutcome::Completed) << "run " << run;
            ++n.completed;
        }
        const std::string finished = test::readAll(target);
        ASSERT_TRUE(finished == current || finished == next)
            << "run " << run << ": " << finished.size() << " bytes of neither version after the "
            << "completion";
        ASSERT_EQ(journalCount(), 0) << "run " << run << ": a journal stayed";
        if (!closedFolder) {
            ASSERT_EQ(statOf(other).st_nlink, 2u) << "run " << run;
        }
        ASSERT_EQ(dir.entryCount(), closedFolder ? 1 : 2) << "run " << run;

        // The next version as the writer saves it (a save as this user would replace the file
        // in the closed folder by a rename).
        current = version(2 * run, 4 << 20);
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(save(current) ? 0 : 1);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "run " << run;
        ASSERT_EQ(statOf(target).st_ino, st.st_ino) << "run " << run << ": not saved in place";
    }
    std::printf(
        "%s, %d kills: %d before the journal, %d with the journal before the overwrite, %d during "
        "the overwrite, %d after it (%d left a journal or its temporary file; the next start "
        "completed %d)\n",
        name, kRuns, n.before, n.journaled, n.partial, n.after, n.leftovers, n.completed);
    EXPECT_GT(n.partial, 0) << "no kill landed during the overwrite";
}

TEST(FileWrite, AnInPlaceSaveOfAHardLinkedFileKilledAtAnyMomentIsCompletedByTheNextStart) {
    const std::string before = std::getenv("XDG_STATE_HOME");
    inPlaceKillTest("hard link", false);
    ::setenv("XDG_STATE_HOME", before.c_str(), 1);
}

TEST(FileWrite, AnInPlaceSaveInAClosedFolderKilledAtAnyMomentIsCompletedByTheNextStart) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can save as another user";
    const std::string before = std::getenv("XDG_STATE_HOME");
    inPlaceKillTest("closed folder", true);
    ::setenv("XDG_STATE_HOME", before.c_str(), 1);
}

#endif

}  // namespace
}  // namespace tavmir
