// The kill test of unsaved work: the program's windows (recovery_kill_driver) change values of
// an editor and are killed with SIGKILL at random moments, again and again. Each start recovers
// what the last one left; the values it then holds must be exactly those of the journal on
// disk at the kill, and that journal is never partial (always one whole journal that reads
// back). TAVMIR_KILL_SEED replays a run; the seed and the counts are printed.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "catalogue/SettingDef.h"
#include "session/RecoveryJournal.h"
#include "support/TempDir.h"

namespace tavmir::test {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 100;

struct Driver {
    pid_t pid = -1;
    std::string output;  // what it printed up to "ready"
};

// Starts the driver and waits until it says it is ready (or ends, or 20 s pass).
Driver start(const fs::path& folder, const fs::path& file, unsigned seed) {
    int out[2];
    if (::pipe(out) != 0) return {};
    Driver d;
    d.pid = ::fork();
    if (d.pid == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::close(out[1]);
        const std::string s = std::to_string(seed);
        ::execl(TAVMIR_KILL_DRIVER, TAVMIR_KILL_DRIVER, folder.c_str(), file.c_str(), s.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    char buf[65536];
    while (d.output.find("ready\n") == std::string::npos &&
           std::chrono::steady_clock::now() < until) {
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        d.output.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    return d;
}

// The values a journal keeps: as opened, then its changes.
std::string valuesOf(const RecoveryJournal& j) {
    std::vector<std::string> texts(kSettingCount + 1);
    for (const FieldWrite& w : j.opened) texts[static_cast<std::size_t>(w.field)] = w.text;
    for (const FieldWrite& w : j.changes) texts[static_cast<std::size_t>(w.field)] = w.text;
    std::string out = "values\n";
    for (int i = 1; i <= kSettingCount; ++i)
        out += std::to_string(i) + " " + texts[static_cast<std::size_t>(i)] + "\n";
    return out + "ready\n";
}

unsigned killSeed() {
    const char* given = std::getenv("TAVMIR_KILL_SEED");
    const unsigned seed = given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                                           : std::random_device{}();
    std::printf("recovery: seed %u (TAVMIR_KILL_SEED=%u replays it)\n", seed, seed);
    return seed;
}

TEST(RecoveryKill, EveryStartRecoversTheValuesOfTheLastJournalWrite) {
    const TempDir dir;
    const fs::path program = dir.path() / "program";
    fs::create_directories(program);
    fs::copy_file(fs::path(TAVMIR_BIN_DIR) / "mset.dat", program / "mset.dat");
    fs::copy_file(fs::path(TAVMIR_SOURCE_DIR) / "samples/arena.cfg", dir.path() / "zone.cfg");
    ::setenv("XDG_STATE_HOME", (dir.path() / "state").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
    const fs::path recovery = dir.path() / "state/tavmir/recovery";

    std::mt19937 rng(killSeed());
    int recovered = 0, noJournal = 0, writesCut = 0;
    for (int round = 0; round < kRounds; ++round) {
        // What the last kill left: no journal yet, or exactly one whole one.
        std::string expected;
        std::error_code ec;
        int journals = 0;
        for (fs::directory_iterator it(recovery, ec), end; !ec && it != end; it.increment(ec)) {
            if (it->path().extension() == ".tmp") ++writesCut;
            if (it->path().extension() != ".journal") continue;
            ++journals;
            const auto j = parseRecoveryJournal(readAll(it->path()));
            ASSERT_TRUE(j.has_value()) << "round " << round << ": a partial journal " << it->path();
            expected = valuesOf(*j);
        }
        ASSERT_LE(journals, 1) << "round " << round;
        const Driver d = start(program, dir.path() / "zone.cfg", rng());
        ASSERT_GT(d.pid, 0);
        const bool ready = d.output.ends_with("ready\n");
        if (ready && !expected.empty()) {
            EXPECT_EQ(d.output, expected) << "round " << round << ": not the journal's values";
            ++recovered;
        } else if (ready) {
            ++noJournal;
        }
        // Killed at once, or while it types, or well after a few writes.
        const int wait = std::uniform_int_distribution<int>(0, 120)(rng);
        std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        ::kill(d.pid, SIGKILL);
        int status = 0;
        ::waitpid(d.pid, &status, 0);
        ASSERT_TRUE(ready) << "round " << round << ": the program did not start: " << d.output;
    }
    std::printf(
        "%d kills: %d starts recovered the last journal's values exactly, %d found no "
        "journal yet, %d journal writes were cut by the kill (the whole journal before "
        "them held)\n",
        kRounds, recovered, noJournal, writesCut);
    EXPECT_GT(recovered, kRounds / 2);
}

}  // namespace
}  // namespace tavmir::test
