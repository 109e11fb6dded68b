#include "platform/Paths.h"
#include "schedule/UserTimer.h"
#include "support/CrontabStub.h"
#include "support/TempEnvironment.h"
#include "support/UserManagerStub.h"
#include "uninstaller/DeleteCopy.h"
#include "uninstaller/Remover.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;
namespace fs = std::filesystem;

namespace {
void WriteFile(const std::string& path, const std::string& content,
               fs::perms perms = fs::perms::owner_read | fs::perms::owner_write)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, perms);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool WaitFor(const std::string& path)
{
    for (int i = 0; i < 200 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return fs::exists(path);
}

// A private temporary folder and a crontab that keeps its table in a file; the
// daemon cannot be started, as in a container.
class RemovalEnvironment : public TempEnvironment {
public:
    RemovalEnvironment() : tmp(Root() + "/tmp")
    {
        char buffer[PATH_MAX];
        startDir = ::getcwd(buffer, sizeof buffer) ? buffer : "/";
        fs::create_directories(tmp);
        ::setenv("TMPDIR", tmp.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (Root() + "/home/.config").c_str(), 1);
    }
    ~RemovalEnvironment()
    {
        [[maybe_unused]] const int ignored = ::chdir(startDir.c_str());
        ::unsetenv("TMPDIR");
        ::unsetenv("XDG_CONFIG_HOME");
    }

    // A product as the installer and a season of use leave it.
    void Populate() const
    {
        const std::string install = InstallDir();
        for (const char* name : {"Kestrane", "installer", "uninstall", "delete"})
            WriteFile(install + name, "program", fs::perms::owner_all);
        WriteFile(install + "mv.ini", "Anna\n", fs::perms::owner_read);  // read-only
        WriteFile(install + "aries.gif", "GIF89a");
        WriteFile(install + "Reports/report.jpg", "jpeg", fs::perms::owner_read);
        WriteFile(install + "Reports/2004/March/week 1/day/deep.jpg", "jpeg", fs::perms::owner_read);
        WriteFile(install + "Reports/2004/March/notes.txt", "n");
        WriteFile(Root() + "/data/applications/moravel/Moravel.desktop", "[Desktop Entry]\n");
        WriteFile(Root() + "/data/applications/moravel/Uninstall.desktop", "[Desktop Entry]\n");
        WriteFile(Root() + "/data/applications/other.desktop", "[Desktop Entry]\n");
        WriteFile(Root() + "/data/applications/org.moravel.Moravel.desktop", "[Desktop Entry]\n");
        WriteFile(Root() + "/data/applications/org.moravel.Moravel.Uninstall.desktop", "[Desktop Entry]\n");
        WriteFile(Root() + "/home/Desktop/org.moravel.Moravel.desktop", "[Desktop Entry]\n", fs::perms::owner_all);
        WriteFile(Root() + "/home/Desktop/notes.txt", "mine");
    }

    const std::string tmp;
    CrontabStub cron{*this};

private:
    std::string startDir;
};
}

TEST(Remover, RemovesEverythingInnermostFirstAndLeavesTheRest)
{
    RemovalEnvironment env;
    env.Populate();
    // A read-only folder deep down must not keep its contents.
    fs::permissions(env.InstallDir() + "Reports/2004/March/week 1", fs::perms::owner_read | fs::perms::owner_exec);

    RemovalList list;
    ASSERT_TRUE(list.Empty(env.InstallDir() + "Reports/"));
    const auto& folders = list.Folders();
    const std::string reports = env.InstallDir() + "Reports";
    const std::vector<std::string> chain = {reports, reports + "/2004", reports + "/2004/March",
                                            reports + "/2004/March/week 1", reports + "/2004/March/week 1/day"};
    std::size_t last = 0;
    for (const std::string& folder : chain) {
        const auto found = std::find(folders.begin(), folders.end(), folder);
        ASSERT_NE(found, folders.end()) << folder;
        EXPECT_GE(static_cast<std::size_t>(found - folders.begin()), last) << folder;
        last = static_cast<std::size_t>(found - folders.begin());
    }
    EXPECT_EQ(folders.size(), chain.size());  // each folder once

    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(env.InstallDir()));
    EXPECT_FALSE(fs::exists(env.Root() + "/data/applications/moravel"));
    EXPECT_FALSE(fs::exists(env.Root() + "/home/Desktop/org.moravel.Moravel.desktop"));
    EXPECT_FALSE(fs::exists(env.Root() + "/data/applications/org.moravel.Moravel.desktop"));
    EXPECT_FALSE(fs::exists(env.Root() + "/data/applications/org.moravel.Moravel.Uninstall.desktop"));
    EXPECT_TRUE(fs::exists(env.Root() + "/data/applications/other.desktop"));
    EXPECT_EQ(ReadFile(env.Root() + "/home/Desktop/notes.txt"), "mine");

    // A second run finds nothing and still reports removal.
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
}

TEST(Remover, SymbolicLinksAreRemovedNeverFollowed)
{
    RemovalEnvironment env;
    env.Populate();
    const std::string outside = env.Root() + "/precious";
    WriteFile(outside + "/keep.txt", "keep", fs::perms::owner_read);
    WriteFile(outside + "/sub/keep2.txt", "keep");
    fs::create_directory_symlink(outside, env.InstallDir() + "linked");
    fs::create_directory_symlink(outside + "/sub", env.InstallDir() + "Reports/2004/linked");
    fs::create_symlink(outside + "/keep.txt", env.InstallDir() + "keep-link.txt");
    fs::create_directory_symlink(outside, env.Root() + "/data/applications/moravel/linked");

    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(env.InstallDir()));
    EXPECT_EQ(ReadFile(outside + "/keep.txt"), "keep");
    EXPECT_EQ(ReadFile(outside + "/sub/keep2.txt"), "keep");
    EXPECT_EQ(fs::status(outside + "/keep.txt").permissions() & fs::perms::owner_write, fs::perms::none);
}

// An install folder that is itself a link is the link only: it goes, and the
// programs, profiles and reports it points at stay as they were.
TEST(Remover, LinkedInstallFolderLosesOnlyTheLink)
{
    RemovalEnvironment env;
    env.Populate();
    const std::string link = env.InstallDir().substr(0, env.InstallDir().size() - 1);
    const std::string real = env.Root() + "/elsewhere/moravel";
    fs::create_directories(env.Root() + "/elsewhere");
    fs::rename(link, real);
    fs::create_directory_symlink(real, link);
    const auto snapshot = [&] {
        std::vector<std::string> entries;
        for (const auto& entry : fs::recursive_directory_iterator(real))
            entries.push_back(entry.path().string() + "=" + (entry.is_regular_file() ? ReadFile(entry.path()) : ""));
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    const auto before = snapshot();
    ASSERT_GE(before.size(), 10u);

    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    EXPECT_EQ(snapshot(), before);
    // What lies outside InstallDir goes as usual.
    EXPECT_FALSE(fs::exists(env.Root() + "/data/applications/moravel"));
    EXPECT_FALSE(fs::exists(env.Root() + "/home/Desktop/org.moravel.Moravel.desktop"));
}

TEST(Remover, RunningMainProgramStopsEverything)
{
    RemovalEnvironment env;
    env.Populate();
    const std::string program = env.InstallDir() + "Kestrane";
    fs::copy_file("/bin/sleep", program, fs::copy_options::overwrite_existing);
    const std::string table = "# mine\n0 7 * * * echo hi # Daily Analysis Report\n";
    env.cron.SetTable(table);

    char arg0[] = "Kestrane";
    char arg1[] = "30";
    char* argv[] = {arg0, arg1, nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ), 0);
    // Wait until the process has become the program.
    for (int i = 0; i < 100 && !MainProgramRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));

    EXPECT_TRUE(MainProgramRunning());
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::ProgramRunning);
    EXPECT_TRUE(fs::exists(program));
    EXPECT_TRUE(fs::exists(env.InstallDir() + "Reports/report.jpg"));
    EXPECT_TRUE(fs::exists(env.Root() + "/data/applications/org.moravel.Moravel.desktop"));
    EXPECT_TRUE(fs::exists(env.Root() + "/home/Desktop/org.moravel.Moravel.desktop"));
    EXPECT_EQ(env.cron.Table(), table);

    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_FALSE(MainProgramRunning());
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(env.InstallDir()));
}

TEST(Remover, CronLineGoesOtherLinesStay)
{
    RemovalEnvironment env;
    env.Populate();
    const std::string others = "MAILTO=me@example.org\n# nightly\n15 3 * * 1 /usr/bin/backup % weekly\n\n";
    env.cron.SetTable(others + "30 7 * * * cd '/x/moravel/' && '/x/moravel/Kestrane' "
                               "'/x/moravel/task.dtr' # Daily Analysis Report\n");
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_EQ(env.cron.Table(), others);
}

TEST(Remover, LeavesTheInstallFolderWhenStartedInIt)
{
    RemovalEnvironment env;
    env.Populate();
    ASSERT_EQ(::chdir((env.InstallDir() + "Reports").c_str()), 0);
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(env.InstallDir()));
    EXPECT_EQ(fs::current_path(), fs::path(env.tmp));

    RemovalEnvironment second;
    second.Populate();
    ASSERT_EQ(::chdir(second.InstallDir().c_str()), 0);
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(second.InstallDir()));
    EXPECT_EQ(fs::current_path(), fs::path(second.tmp));

    // Started elsewhere, it stays where it was.
    RemovalEnvironment third;
    third.Populate();
    ASSERT_EQ(::chdir(third.Root().c_str()), 0);
    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_EQ(fs::current_path(), fs::path(third.Root()));
}

TEST(DeleteCopy, StartsACopyFromAPrivateTemporaryFolderWithoutWaiting)
{
    RemovalEnvironment env;
    // The remover stand-in notes where it runs, then waits for the test's word.
    // "started" appears whole (renamed into place), so the test never reads it half written.
    const std::string script = "#!/bin/sh\npwd > \"" + env.Root() + "/started.part\" && mv \"" + env.Root() +
                               "/started.part\" \"" + env.Root() +
                               "/started\"\n"
                               // It gives up once the test's folder is gone, so no copy outlives the test.
                               "while [ ! -e \"" +
                               env.Root() + "/go\" ] && [ -d \"" + env.Root() +
                               "\" ]; do sleep 0.05; done\n"
                               "touch \"" +
                               env.Root() + "/done\"\n";
    WriteFile(env.InstallDir() + "delete", script, fs::perms::owner_all);

    std::string copy;
    ASSERT_TRUE(StartDeleteCopy(&copy));
    EXPECT_FALSE(fs::exists(env.Root() + "/done"));  // returned while the copy still runs
    const fs::path folder = fs::path(copy).parent_path();
    EXPECT_EQ(folder.parent_path(), fs::path(env.tmp));
    EXPECT_EQ(folder.filename().string().rfind("moravel-uninstall-", 0), 0u);
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(ReadFile(copy), script);
    EXPECT_NE(fs::status(copy).permissions() & fs::perms::owner_exec, fs::perms::none);
    ASSERT_TRUE(WaitFor(env.Root() + "/started"));
    EXPECT_EQ(ReadFile(env.Root() + "/started"), folder.string() + "\n");
    WriteFile(env.Root() + "/go", "");
    EXPECT_TRUE(WaitFor(env.Root() + "/done"));

    // What another user put at the old shared place does not stop a second run.
    fs::create_directory(env.tmp + "/uninstall");
    std::string second;
    ASSERT_TRUE(StartDeleteCopy(&second));
    EXPECT_NE(second, copy);

    // The copy removes itself and its folder when it ends, and nothing else.
    EXPECT_FALSE(RemoveOwnCopy(env.InstallDir() + "delete"));
    EXPECT_TRUE(fs::exists(env.InstallDir() + "delete"));
    EXPECT_TRUE(RemoveOwnCopy(copy));
    EXPECT_FALSE(fs::exists(folder));

    // A copy cut short by a kill goes at the next uninstall's start; other folders stay.
    fs::create_directory(env.tmp + "/moravel-uninstall-killed");
    WriteFile(env.tmp + "/moravel-uninstall-killed/uninstall", "#!/bin/sh\n");
    EXPECT_GE(RemoveStaleDeleteCopies(), 1);
    EXPECT_FALSE(fs::exists(env.tmp + "/moravel-uninstall-killed"));
    EXPECT_TRUE(fs::exists(env.tmp + "/uninstall"));
}

TEST(DeleteCopy, MissingRemoverOrFullTemporaryFolderStartsNothingAndLeavesNothing)
{
    RemovalEnvironment env;
    EXPECT_FALSE(StartDeleteCopy());
    EXPECT_TRUE(fs::is_empty(env.tmp));

    // A target that exists already is never written through.
    WriteFile(env.InstallDir() + "delete", "#!/bin/sh\n", fs::perms::owner_all);
    WriteFile(env.Root() + "/victim", "victim");
    EXPECT_FALSE(CopyFileExclusively(env.InstallDir() + "delete", env.Root() + "/victim"));
    EXPECT_EQ(ReadFile(env.Root() + "/victim"), "victim");
}

TEST(Remover, RemovesTheTimerAndAnOldCrontabLineAndReloadsTheManager)
{
    RemovalEnvironment env;
    env.Populate();
    const UserManagerStub manager(env.cron);
    env.cron.SetTable("MAILTO=me\n5 7 * * * old # Daily Analysis Report\n");
    const std::string units = env.Root() + "/home/.config/systemd/user/";
    WriteFile(units + UserTimer::ServiceName, "[Service]\n");
    WriteFile(units + UserTimer::TimerName, "[Timer]\n");

    EXPECT_EQ(RemoveProduct(), RemovalOutcome::Removed);
    EXPECT_FALSE(fs::exists(units + UserTimer::ServiceName));
    EXPECT_FALSE(fs::exists(units + UserTimer::TimerName));
    EXPECT_EQ(env.cron.Table(), "MAILTO=me\n");
    const std::string log = manager.Log();
    EXPECT_NE(log.find("disable --now " + UserTimer::TimerName), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.rfind('\n', log.size() - 2) + 1), "daemon-reload\n");
}
