#include "common/AtomicFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "support/TempDir.h"

namespace tavmir {
namespace {

using Clock = std::chrono::steady_clock;

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

TEST(AtomicFile, KeepsTheOwnerAndGroupOfTheReplacedFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a test file another owner";
    test::TempDir dir;
    ::chmod(dir.path().c_str(), 0777);
    const std::string file = dir.file("arena.cfg", "old");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ::chmod(file.c_str(), 0640);
    const ino_t oldInode = statOf(file).st_ino;
    ASSERT_TRUE(writeFileAtomically(file, "new").ok());
    struct stat st = statOf(file);
    EXPECT_NE(st.st_ino, oldInode) << "replaced whole, not rewritten in place";
    EXPECT_EQ(std::make_tuple(st.st_uid, st.st_gid, st.st_mode & 07777, test::readAll(file)),
              std::make_tuple(65534u, 65534u, 0640u, std::string("new")));

    // Someone else's file that another user may write: a new file could not be given its
    // owner, so it is rewritten in place, and so is a writable file in a closed folder.
    ::chmod(file.c_str(), 0666);
    const ino_t inode = st.st_ino;
    EXPECT_TRUE(asAnotherUser([&] { return writeFileAtomically(file, "newer").ok(); }));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(asAnotherUser([&] { return writeFileAtomically(file, "newest").ok(); }));
    st = statOf(file);
    EXPECT_EQ(std::make_tuple(st.st_uid, st.st_ino, test::readAll(file)),
              std::make_tuple(65534u, inode, std::string("newest")));
    EXPECT_EQ(dir.entryCount(), 1);
    // A file its permissions keep from being written is refused, though the folder allows it.
    ::chmod(dir.path().c_str(), 0777);
    ::chmod(file.c_str(), 0644);
    EXPECT_TRUE(asAnotherUser([&] {
        const WriteResult r = writeFileAtomically(file, "x");
        return r.stage == WriteStage::Open && r.reason == "Permission denied";
    }));
    EXPECT_EQ(test::readAll(file), "newest");
}

// A save killed at any moment leaves the target with its old bytes or its new ones, never a
// mix; a temporary file it leaves behind is gone after the next save.
TEST(AtomicFile, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    test::TempDir dir;
    const std::string target = dir.path("arena.cfg");
    const auto version = [](int n) {
        std::string bytes = "version " + std::to_string(n) + "\r\n";
        bytes.resize(512 * 1024 + static_cast<std::size_t>(n), static_cast<char>('a' + n % 26));
        return bytes;
    };
    std::string current = version(0);
    ASSERT_TRUE(writeFileAtomically(target, current).ok());

    // Every third save is flushed to disk as the user's files are; the others are derived
    // files, which spend their time writing rather than waiting for the disk. How long each
    // takes in a child, fork to exit, spreads the kills over all of it.
    const auto durabilityOf = [](int run) {
        return run % 3 == 0 ? Durability::Flushed : Durability::Derived;
    };
    long micros[2] = {0, 0};
    for (int d = 0; d < 2; ++d) {
        const auto start = Clock::now();
        constexpr int kCalibration = 5;
        for (int i = 0; i < kCalibration; ++i) {
            const pid_t pid = ::fork();
            if (pid == 0)
                ::_exit(writeFileAtomically(target, current, durabilityOf(d)).ok() ? 0 : 1);
            ::waitpid(pid, nullptr, 0);
        }
        micros[d] =
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count() /
            kCalibration;
    }

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    constexpr int kRuns = 300;
    int unchanged = 0, replaced = 0, leftovers = 0;
    for (int run = 1; run <= kRuns; ++run) {
        const std::string next = version(2 * run - 1);
        const Durability durability = durabilityOf(run);
        const long span = micros[durability == Durability::Flushed ? 0 : 1];
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(writeFileAtomically(target, next, durability).ok() ? 0 : 1);
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<long>(0, span)(rng)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);

        const std::string seen = test::readAll(target);
        ASSERT_TRUE(seen == current || seen == next)
            << "run " << run << ": " << seen.size() << " bytes of neither version";
        (seen == next ? replaced : unchanged)++;
        if (dir.entryCount() > 1) ++leftovers;

        current = version(2 * run);
        ASSERT_TRUE(writeFileAtomically(target, current, Durability::Derived).ok());
        ASSERT_EQ(dir.entryCount(), 1) << "run " << run << ": a temporary file stayed";
        ASSERT_EQ(test::readAll(target), current);
    }
    std::printf("%d kills: %d before the rename (%d left a temporary file), %d after it\n", kRuns,
                unchanged, leftovers, replaced);
}

}  // namespace
}  // namespace tavmir
