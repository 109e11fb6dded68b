#include "platform/Paths.h"
#include "platform/Process.h"
#include "schedule/Crontab.h"
#include "schedule/ProcessTable.h"
#include "schedule/SchedulerLink.h"
#include "support/CrontabStub.h"
#include "support/TempEnvironment.h"
#include "support/TestVariables.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {
void WriteFile(const std::string& path, const std::string& content, bool executable = false)
{
    std::ofstream(path, std::ios::binary) << content;
    if (executable)
        std::filesystem::permissions(path, std::filesystem::perms::owner_all | std::filesystem::perms::group_exec |
                                               std::filesystem::perms::others_exec);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::string kOtherLines =
    "# backups\nMAILTO=me@example.org\nPATH=/usr/bin:/bin\n\n15 3 * * 1 /usr/bin/backup % weekly\n";

// What cron does to a command before the shell sees it: "\%" is "%", and an
// unescaped "%" ends the command.
std::string CronCommandOf(const std::string& line)
{
    std::size_t at = 0;
    for (int field = 0; field < 5; ++field) {
        at = line.find_first_not_of(" \t", at);
        at = line.find_first_of(" \t", at);
    }
    const std::string raw = line.substr(line.find_first_not_of(" \t", at));
    std::string command;
    bool escaped = false;
    for (char c : raw) {
        if (escaped) {
            if (c == '%')
                command.back() = '%';
            else
                command += c;
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
            command += c;
        } else if (c == '%') {
            break;
        } else {
            command += c;
        }
    }
    return command;
}

pid_t Spawn(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    return ::posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) == 0 ? pid : -1;
}

// posix_spawn returns while the kernel is still inside exec, before the new
// arguments are visible in /proc; wait (bounded) until they are.
bool WaitForArguments(pid_t pid, const std::string& program)
{
    const std::string cmdline = "/proc/" + std::to_string(pid) + "/cmdline";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (ReadFile(cmdline).rfind(program + '\0', 0) != 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}
}

TEST(SchedulerLink, LifecycleOfTheWorkItemInAnEmptyCrontab)
{
    TempEnvironment env;
    CrontabStub stub(env);
    ASSERT_FALSE(stub.HasTable());

    EXPECT_FALSE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());
    EXPECT_FALSE(SchedulerLink::ActivateWorkItem(7, 0));
    EXPECT_FALSE(stub.HasTable());

    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    const std::string command = Crontab::WorkItemCommand(InstallDir(), InstallDir() + "Kestrane");
    EXPECT_EQ(stub.Table(), "# " + command + " # Daily Analysis Report\n");
    EXPECT_FALSE(SchedulerLink::WorkItemExists());  // disabled: not registered
    EXPECT_FALSE(SchedulerLink::CreateWorkItem());  // the line exists

    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(23, 59));
    EXPECT_EQ(stub.Table(), "59 23 * * * " + command + " # Daily Analysis Report\n");
    EXPECT_TRUE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(SchedulerLink::CreateWorkItem());
    EXPECT_FALSE(SchedulerLink::ActivateWorkItem(24, 0));
    EXPECT_FALSE(SchedulerLink::ActivateWorkItem(6, 60));

    ASSERT_TRUE(SchedulerLink::DeleteWorkItem());
    EXPECT_FALSE(stub.HasTable());  // none before, none after
    EXPECT_FALSE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());

    // A disabled line can be deleted too.
    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    EXPECT_TRUE(SchedulerLink::DeleteWorkItem());
    EXPECT_EQ(stub.Table(), "");
}

TEST(SchedulerLink, OtherJobsCommentsAndEnvironmentLinesStayAfterEveryOperation)
{
    TempEnvironment env;
    CrontabStub stub(env);
    stub.SetTable(kOtherLines);
    const auto others = [&] { return Crontab::RemoveWorkItem(stub.Table()); };

    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());
    EXPECT_EQ(stub.Table(), kOtherLines);
    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    EXPECT_EQ(others(), kOtherLines);
    EXPECT_EQ(stub.Table().rfind(kOtherLines, 0), 0u);
    EXPECT_FALSE(SchedulerLink::CreateWorkItem());
    EXPECT_EQ(others(), kOtherLines);
    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(6, 30));
    EXPECT_EQ(others(), kOtherLines);
    EXPECT_TRUE(SchedulerLink::WorkItemExists());
    ASSERT_TRUE(SchedulerLink::DeleteWorkItem());
    EXPECT_EQ(stub.Table(), kOtherLines);
}

TEST(SchedulerLink, AnUnreadableCrontabIsNeverOverwritten)
{
    TempEnvironment env;
    CrontabStub stub(env);
    stub.SetTable(kOtherLines + "0 6 * * * x # Daily Analysis Report\n");
    stub.Write("broken", "");
    EXPECT_FALSE(SchedulerLink::CreateWorkItem());
    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());
    EXPECT_FALSE(SchedulerLink::ActivateWorkItem(6, 0));
    EXPECT_FALSE(SchedulerLink::WorkItemExists());
    EXPECT_EQ(stub.Table(), kOtherLines + "0 6 * * * x # Daily Analysis Report\n");
}

TEST(SchedulerLink, WithoutACrontabProgramEverythingFails)
{
    TempEnvironment env;
    CrontabStub stub(env, false);
    ::setenv("PATH", stub.dir.c_str(), 1);
    EXPECT_FALSE(SchedulerLink::EnsureSchedulerRunning());
    EXPECT_FALSE(SchedulerLink::CreateWorkItem());
    EXPECT_FALSE(SchedulerLink::ActivateWorkItem(6, 0));
    EXPECT_FALSE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());
    EXPECT_FALSE(std::filesystem::exists(stub.dir + "/started"));
}

TEST(SchedulerLink, StartsCronWhenNoDaemonRuns)
{
    TempEnvironment env;
    CrontabStub stub(env);
    const std::string proc = env.Root() + "/proc";  // no daemon in it
    std::filesystem::create_directories(proc + "/1");
    EXPECT_FALSE(SchedulerLink::EnsureSchedulerRunningIn(proc));
    EXPECT_EQ(stub.Read("started"), "systemctl start cron\nservice cron start\n");

    std::filesystem::remove(stub.dir + "/started");
    stub.Write("service.exit", "0");
    EXPECT_TRUE(SchedulerLink::EnsureSchedulerRunningIn(proc));
    stub.LetStartsSucceed();
    std::filesystem::remove(stub.dir + "/started");
    EXPECT_TRUE(SchedulerLink::EnsureSchedulerRunningIn(proc));
    EXPECT_EQ(stub.Read("started"), "systemctl start cron\n");

    // A running daemon is enough.
    std::filesystem::remove(stub.dir + "/started");
    std::filesystem::create_directories(proc + "/2");
    std::ofstream(proc + "/2/comm") << "cron\n";
    stub.Write("systemctl.exit", "1");
    stub.Write("service.exit", "1");
    EXPECT_TRUE(SchedulerLink::EnsureSchedulerRunningIn(proc));
    EXPECT_FALSE(std::filesystem::exists(stub.dir + "/started"));
}

// A helper program that never answers is stopped at the time limit with what it
// started, the operation fails, and the user is told which command it was.
TEST(SchedulerLink, AHelperThatHangsIsStoppedAndNamed)
{
    struct Case {
        const char* program;  // the stand-in that hangs, on these arguments
        const char* hangsOn;
        std::function<bool(const std::string& proc)> operation;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"crontab", "-l", [](const std::string&) { return SchedulerLink::WorkItemExists(); }, {"crontab -l"}},
        {"crontab", "-", [](const std::string&) { return SchedulerLink::CreateWorkItem(); }, {"crontab -"}},
        {"systemctl",
         "--user",
         [](const std::string&) { return SchedulerLink::WorkItemExists(); },
         {"systemctl --user is-system-running"}},
        {"service", "cron", SchedulerLink::EnsureSchedulerRunningIn, {"service cron start"}},
    };
    std::vector<std::string> told;
    SetHelperTimeOutNotice([&](const std::string& command, int) { told.push_back(command); });
    SetHelperTimeLimitForTesting(300);
    for (const Case& c : cases) {
        TempEnvironment env;
        CrontabStub stub(env);
        const std::string proc = env.Root() + "/proc";  // no daemon in it
        std::filesystem::create_directories(proc + "/1");
        const std::string real = stub.dir + "/real-" + c.program;
        std::filesystem::rename(stub.dir + "/" + c.program, real);
        stub.Write(c.program,
                   "#!/bin/sh\nif [ \"$1\" = " + std::string(c.hangsOn) +
                       " ]; then /bin/sleep 60 & echo $! > \"$0.child\"; wait; fi\nexec \"$(dirname \"$0\")/real-" +
                       c.program + "\" \"$@\"\n",
                   true);
        told.clear();
        EXPECT_FALSE(c.operation(proc)) << c.program << " " << c.hangsOn;
        EXPECT_EQ(told, c.told) << c.program << " " << c.hangsOn;
        EXPECT_TRUE(WaitForProcessEnd(std::atoi(stub.Read(std::string(c.program) + ".child").c_str()), 10000));
    }
    SetHelperTimeLimitForTesting(0);
    SetHelperTimeOutNotice({});
    EXPECT_EQ(HelperTimeOutMessage("crontab -l", 10),
              "The command \"crontab -l\" did not finish within 10 seconds and was stopped.    ");
}

TEST(SchedulerLink, LineRunsFromAFolderWithBlanksQuotesAndPercent)
{
    TempEnvironment env;
    CrontabStub stub(env);
    const std::string data = env.Root() + "/it's a \"b\" 100%\\% $(x)";
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    std::filesystem::create_directories(data + "/moravel");
    ASSERT_EQ(InstallDir(), data + "/moravel/");
    // The program records where and how it was started.
    WriteFile(InstallDir() + "Kestrane", "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$#\" \"$1\" \"$XDG_DATA_HOME\" > ran\n",
              true);

    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(5, 4));
    std::string line = stub.Table();
    line.pop_back();
    ASSERT_EQ(line.rfind("4 5 * * * ", 0), 0u) << line;

    const pid_t shell = Spawn({"/bin/sh", "-c", CronCommandOf(line)});
    ASSERT_GT(shell, 0);
    int status = 0;
    ::waitpid(shell, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(InstallDir() + "ran"), data + "/moravel\n1\n" + InstallDir() + "task.dtr\n" + data + "\n");
}

// Scheduled with XDG_DATA_HOME unset, run by a cron that gives another HOME: the
// line's own XDG_DATA_HOME still leads the run to the InstallDir that scheduled it.
TEST(SchedulerLink, LineFindsInstallDirWhateverHomeCronGives)
{
    TempEnvironment env;
    CrontabStub stub(env);
    UnsetTestVariable("XDG_DATA_HOME");
    const std::string install = env.Root() + "/home/.local/share/moravel/";
    ASSERT_EQ(InstallDir(), install);
    std::filesystem::create_directories(install);
    WriteFile(install + "Kestrane", "#!/bin/sh\nprintf '%s\\n' \"$XDG_DATA_HOME\" > ran\n", true);
    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(5, 4));
    std::string line = stub.Table();
    line.pop_back();

    const pid_t shell =
        Spawn({"/usr/bin/env", "-u", "XDG_DATA_HOME", "HOME=/nonexistent", "/bin/sh", "-c", CronCommandOf(line)});
    ASSERT_GT(shell, 0);
    int status = 0;
    ::waitpid(shell, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(install + "ran"), env.Root() + "/home/.local/share\n");
}

TEST(SchedulerLink, DeleteEndsARunningDelivery)
{
    TempEnvironment env;
    CrontabStub stub(env);
    // A stand-in delivery: the shell under the program's name, running task.dtr as its script.
    std::filesystem::copy_file("/bin/sh", InstallDir() + "Kestrane");
    WriteFile(InstallDir() + "task.dtr", "sleep 3\nexit 0\n");
    WriteFile(InstallDir() + "other", "sleep 3\nexit 0\n");
    const pid_t delivery = Spawn({InstallDir() + "Kestrane", InstallDir() + "task.dtr"});
    const pid_t unrelated = Spawn({InstallDir() + "Kestrane", InstallDir() + "other"});
    ASSERT_GT(delivery, 0);
    ASSERT_GT(unrelated, 0);
    ASSERT_TRUE(WaitForArguments(delivery, InstallDir() + "Kestrane"));
    ASSERT_TRUE(WaitForArguments(unrelated, InstallDir() + "Kestrane"));
    // (A child the shell is just forking may show up too.)
    const std::vector<int> found = FindProcesses("Kestrane", InstallDir() + "task.dtr");
    EXPECT_NE(std::find(found.begin(), found.end(), delivery), found.end());
    EXPECT_EQ(std::find(found.begin(), found.end(), unrelated), found.end());

    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());  // no line: nothing is ended
    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(6, 0));
    EXPECT_TRUE(SchedulerLink::DeleteWorkItem());
    int status = 0;
    ASSERT_EQ(::waitpid(delivery, &status, 0), delivery);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    ASSERT_EQ(::waitpid(unrelated, &status, 0), unrelated);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(ProcessTable, ReadsNamesAndArgumentsFromAProcFolder)
{
    TempEnvironment env;
    const std::string proc = env.Root() + "/proc";
    const auto process = [&](const std::string& id, const std::string& comm, const std::string& cmdline) {
        std::filesystem::create_directories(proc + "/" + id);
        WriteFile(proc + "/" + id + "/comm", comm);
        WriteFile(proc + "/" + id + "/cmdline", cmdline);
    };
    using namespace std::string_literals;
    process("12", "bash\n", "bash\0"s);
    process("13", "Kestrane\n", "/a b/Kestrane\0/a b/task.dtr\0"s);
    process("14", "Kestrane\n", "/a b/Kestrane\0"s);
    process("15", "Kestrane\n", "/a b/Kestrane\0/a\0b/task.dtr\0"s);
    process("16", "NotKestrane\n", "/a b/NotKestrane\0/a b/task.dtr\0"s);
    process("17", "Kestrane\n", "Kestrane\0/a b/task.dtr\0"s);
    process("self", "cron\n", "");
    process("18", "", "");  // a zombie

    EXPECT_FALSE(AnyProcessNamed({"cron", "crond"}, proc));
    process("19", "crond\n", "/usr/sbin/crond\0-n\0"s);
    EXPECT_TRUE(AnyProcessNamed({"cron", "crond"}, proc));
    EXPECT_EQ(FindProcesses("Kestrane", "/a b/task.dtr", proc), (std::vector<int>{13, 15, 17}));
    EXPECT_TRUE(FindProcesses("Kestrane", "/a b/task.dtr", env.Root() + "/none").empty());
}
