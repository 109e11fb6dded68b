#include "platform/DataFile.h"
#include "support/TempEnvironment.h"
#include "tests/platform/DataFileVersions.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {
std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Starts the writer child; with `ready`, its standard output comes back through a pipe.
pid_t StartWriter(const std::vector<std::string>& arguments, int* ready = nullptr)
{
    std::vector<std::string> argv = {MORAVEL_DATA_FILE_WRITER};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    int fds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    if (ready) {
        if (::pipe(fds) != 0)
            return -1;
        ::posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        ::posix_spawn_file_actions_addclose(&actions, fds[0]);
        ::posix_spawn_file_actions_addclose(&actions, fds[1]);
    }
    pid_t pid = -1;
    const bool started = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) == 0;
    ::posix_spawn_file_actions_destroy(&actions);
    if (ready) {
        ::close(fds[1]);
        *ready = fds[0];
    }
    return started ? pid : -1;
}

int WaitFor(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// The temporary files a killed writer leaves behind; they never stand in for the data file.
int LeftOvers(const std::string& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind(".moravel-", 0) == 0) {
            std::filesystem::remove(entry.path());
            ++count;
        }
    return count;
}
}

// A writer killed at any moment leaves the old file or the new one, never a mix.
TEST(AtomicWrite, KilledWriterLeavesTheOldOrTheNewFile)
{
    TempEnvironment env;
    const char* given = std::getenv("MORAVEL_CRASH_SEED");
    const unsigned seed = given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : 20261207u;
    std::printf("kill seed %u (MORAVEL_CRASH_SEED)\n", seed);
    std::mt19937 random(seed);
    // Microseconds into the writing: up to a few whole replacements of the larger files.
    std::uniform_int_distribution<int> delay(0, 12000);
    constexpr int killsPerFile = 60;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(25);

    int kills = 0, corrupted = 0, leftOvers = 0, newSeen = 0;
    for (const std::string& kind : DataFileVersions::Kinds) {
        SCOPED_TRACE(kind);
        const std::string path = DataFileVersions::Path(kind);
        const std::string versions[] = {DataFileVersions::Bytes(kind, 0), DataFileVersions::Bytes(kind, 1)};
        ASSERT_TRUE(DataFileVersions::Write(kind, 0));
        for (int i = 0; i < killsPerFile && std::chrono::steady_clock::now() < deadline; ++i) {
            int ready = -1;
            const pid_t writer = StartWriter({kind, "loop"}, &ready);
            ASSERT_GT(writer, 0);
            char said = 0;
            const bool began = ::read(ready, &said, 1) == 1;
            ::close(ready);
            ASSERT_TRUE(began) << "the writer did not start";
            // The writer has begun; only the kill's moment is chosen, nothing is waited for.
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            ::kill(writer, SIGKILL);
            const int status = WaitFor(writer);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended on its own: " << status;
            ++kills;
            const std::string found = ReadAll(path);
            if (found != versions[0] && found != versions[1]) {
                ++corrupted;
                ADD_FAILURE() << "after kill " << i << " the file holds " << found.size() << " other bytes";
            }
            newSeen += found == versions[1] ? 1 : 0;
            // What the next start removes: every leftover, and nothing else.
            std::ofstream(env.Root() + "/lock") << i;  // as the next start's lock
            leftOvers += RemoveStaleTemporaryFiles(env.InstallDir(), env.Root() + "/lock");
            ASSERT_EQ(LeftOvers(env.InstallDir()), 0) << "a leftover the start-up clean-up missed";
            ASSERT_TRUE(std::filesystem::exists(path));
        }
    }
    std::printf("kills %d, files corrupted %d, new version found %d times, temporary files removed %d\n", kills,
                corrupted, newSeen, leftOvers);
    EXPECT_GE(kills, 200);
    EXPECT_GT(newSeen, 0) << "no kill came after a whole replacement: the kills test nothing";
    EXPECT_EQ(corrupted, 0);
}

// A write that runs out of room says so and leaves the old file whole.
TEST(AtomicWrite, FailedWriteReportsAndKeepsTheOldFile)
{
    TempEnvironment env;
    for (const std::string& kind : DataFileVersions::Kinds) {
        SCOPED_TRACE(kind);
        const std::string old = DataFileVersions::Bytes(kind, 0);
        ASSERT_TRUE(DataFileVersions::Write(kind, 0));
        // Room for less than the new version: the writer meets EFBIG part of the way in.
        const std::size_t room = DataFileVersions::Bytes(kind, 1).size() / 2;
        const pid_t writer = StartWriter({kind, "limit", std::to_string(room)});
        ASSERT_GT(writer, 0);
        const int status = WaitFor(writer);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 4)
            GTEST_SKIP() << "file size limits are not available here";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the writer did not report the failure";
        EXPECT_EQ(ReadAll(DataFileVersions::Path(kind)), old);
        EXPECT_EQ(LeftOvers(env.InstallDir()), 0);
    }
}
