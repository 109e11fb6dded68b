#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "schedule/Crontab.h"
#include "schedule/DailyNotice.h"
#include "schedule/SchedulerLink.h"
#include "schedule/TaskFile.h"
#include "schedule/UserTimer.h"
#include "support/TempEnvironment.h"
#include "support/UserManagerStub.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

TEST(UserTimer, FolderAndManagerState)
{
    EXPECT_EQ(UserTimer::UnitFolder("/c/", "/h"), "/c/systemd/user/");
    EXPECT_EQ(UserTimer::UnitFolder("", "/h"), "/h/.config/systemd/user/");
    EXPECT_EQ(UserTimer::UnitFolder(nullptr, "/h/"), "/h/.config/systemd/user/");

    for (const auto& [output, runs] : std::vector<std::pair<std::string, bool>>{
             {"running\n", true}, {"degraded\n", true}, {"offline\n", false}, {"starting\n", false}, {"", false}})
        EXPECT_EQ(UserTimer::ManagerRuns(output), runs) << output;
}

TEST(UserTimer, CommandWordsKeepQuotesSpecifiersAndDollars)
{
    for (const auto& [text, word] : std::vector<std::pair<std::string, std::string>>{
             {"/a/b", "\"/a/b\""}, {"/a b/100%", "\"/a b/100%%\""}, {"/$HOME/\"q\"\\", "\"/$$HOME/\\\"q\\\"\\\\\""}})
        EXPECT_EQ(UserTimer::CommandWord(text), word);
    EXPECT_EQ(UserTimer::ServiceText("/a\nb/", "/a\nb/Kestrane"), "");
    EXPECT_EQ(UserTimer::ServiceText("/a/", "/b\n/Kestrane"), "");
}

TEST(TaskFile, DeliveryLineAndWhatCountsAsATask)
{
    TempEnvironment env;
    struct Row {
        Delivery delivery;
        std::string email;
        bool present;
    };
    for (const Row& row : {Row{Delivery::Email, "a@b", true}, Row{Delivery::Email, "", false},
                           Row{Delivery::Notification, "", true}, Row{Delivery::Both, "a@b", true}}) {
        TaskFile task;
        task.profilePath = env.InstallDir() + "Anna.ini";
        task.email = row.email;
        task.delivery = row.delivery;
        ASSERT_TRUE(WriteTaskFile(task));
        const TaskFileContents read = ReadTaskFile();
        EXPECT_EQ(read.DeliveryChoice(), row.delivery);
        EXPECT_EQ(read.IsPresent(), row.present) << row.email;
    }
    // E-mail tasks are written as earlier versions wrote them; an unknown choice is e-mail.
    TaskFile task;
    EXPECT_EQ(FormatTaskFile(task).find("Delivery:"), std::string::npos);
    std::ofstream(TaskFilePath()) << "Profile:/p.ini\nEmail:a@b\nDelivery:pigeon\n";
    EXPECT_EQ(ReadTaskFile().DeliveryChoice(), Delivery::Email);
}

TEST(DailyNotice, SummaryBodyAndOpenCommand)
{
    EXPECT_EQ(DailyNotice::Summary("Anna Lee"), "Daily Analysis \u2013 Anna Lee");
    const std::string report = "Daily Analysis - title\nEmotional Reading: 100%\nPhysical Reading: 20%\n"
                               "Intellectual Reading: 50%\nIntuition Reading: 10%\nFortune Reading: 10%\n"
                               "Day Reading: Normal Day\nEvil Eye Reading: x\nLottery Numbers: 1 \n";
    EXPECT_EQ(DailyNotice::Body({3, 15, 2004}, report),
              "March 15, 2004\nEmotional Reading: 100%\nPhysical Reading: 20%\nIntellectual Reading: 50%\n"
              "Intuition Reading: 10%\nFortune Reading: 10%\nDay Reading: Normal Day");
    EXPECT_EQ(DailyNotice::OpenCommand("/i/Kestrane", "/i/Anna B.ini", {1, 2, 2026}),
              (std::vector<std::string>{"/i/Kestrane", "open", "--profile", "Anna B", "--date", "2026-01-02"}));
}

namespace {
// The words of a unit's ExecStart= as the manager reads them: quotes taken off, C
// escapes undone, "%%" as "%" everywhere and "$$" as "$" in the arguments.
std::vector<std::string> ExecWords(const std::string& unit)
{
    const std::size_t start = unit.find("\nExecStart=") + 11;
    const std::string line = unit.substr(start, unit.find('\n', start) - start);
    std::vector<std::string> words;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == ' ')
            continue;
        const bool quoted = line[i] == '"';
        std::string word;
        for (i += quoted; i < line.size() && (quoted ? line[i] != '"' : line[i] != ' '); ++i) {
            if (line[i] == '\\' && line[i + 1] == 'x')
                word += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16)), i += 3;
            else if (line[i] == '\\' || (line[i] == '%' && line[i + 1] == '%') ||
                     (!words.empty() && line[i] == '$' && line[i + 1] == '$'))
                word += line[++i];
            else
                word += line[i];
        }
        words.push_back(word);
    }
    return words;
}
}

// The units from install folders of every name the crontab line takes: the manager
// accepts them, and their command runs the folder's program with its task.
TEST(UserTimer, UnitsPassTheManagersVerificationForAnyFolderName)
{
    const std::string analyze = FindOnPath("systemd-analyze");
    if (analyze.empty())
        GTEST_SKIP() << "systemd-analyze is not installed";
    TempEnvironment env;
    const std::string units = env.Root() + "/units/";
    const std::string runtime = env.Root() + "/runtime";
    fs::create_directories(units);
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::string names[] = {"my data 100%",         "a$b $(x)", "it's \"q\"", "back\\slash", "caf\xe9",
                                 "\xe2\x82\xac\xd0\x96", "&\"<>'",   "up/../dots"};
    for (std::size_t n = 0; n < std::size(names); ++n) {
        const std::string data = env.Root() + "/" + std::to_string(n) + names[n];
        const std::string install = data + "/moravel/";
        fs::create_directories(install);
        std::ofstream(install + "Kestrane") << "#!/bin/sh\nprintf '%s\\n' \"$1\" > \"$(dirname \"$0\")/ran\"\n";
        fs::permissions(install + "Kestrane", fs::perms::owner_all);
        const std::string service = UserTimer::ServiceText(install, install + "Kestrane");
        std::ofstream(units + UserTimer::ServiceName) << service;
        std::ofstream(units + UserTimer::TimerName) << UserTimer::TimerText(7, 5);
        const ProcessResult verified =
            RunProcess({"/bin/sh", "-c", "XDG_RUNTIME_DIR=\"$1\" exec \"$0\" --user verify \"$2\" \"$3\" 2>&1", analyze,
                        runtime, units + UserTimer::TimerName, units + UserTimer::ServiceName},
                       {}, true);
        EXPECT_EQ(verified.exitCode, 0) << names[n] << ": " << verified.output;
        EXPECT_EQ(verified.output, "") << names[n];
        const auto ran = [&install](const std::vector<std::string>& command) {
            fs::remove(install + "ran");
            if (RunProcess(command).exitCode != 0)
                return std::string("failed");
            std::ifstream file(install + "ran");
            return std::string(std::istreambuf_iterator<char>(file), {});
        };
        EXPECT_EQ(ran(ExecWords(service)), install + "task.dtr\n") << names[n] << ": " << service;
        EXPECT_EQ(ran({"/bin/sh", "-c", Crontab::WorkItemCommand(install, install + "Kestrane")}),
                  install + "task.dtr\n")
            << names[n];
    }
}

namespace {
// A manager that runs, the units in the test's own config folder.
struct ManagedEnvironment {
    TempEnvironment env;
    CrontabStub cron{env};
    UserManagerStub manager{cron};
    const std::string units = env.Root() + "/config/systemd/user/";

    bool Unit(const std::string& name) const { return fs::exists(units + name); }
};

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
const std::string kOldLine = "5 7 * * * old # Daily Analysis Report\n";
const std::string kOtherLines = "MAILTO=me@example.org\n15 3 * * 1 /usr/bin/backup\n";
}

TEST(SchedulerLink, EveryOperationWorksOnTheTimer)
{
    ManagedEnvironment m;
    EXPECT_TRUE(SchedulerLink::EnsureSchedulerRunning());
    EXPECT_FALSE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(SchedulerLink::ActivateWorkItem(7, 5));  // nothing created yet
    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());

    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    EXPECT_TRUE(m.Unit(UserTimer::ServiceName));
    EXPECT_FALSE(m.Unit(UserTimer::TimerName));  // no trigger yet
    EXPECT_FALSE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(SchedulerLink::CreateWorkItem());

    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(19, 30));
    EXPECT_EQ(m.manager.Log(), "daemon-reload\nenable --now " + UserTimer::TimerName + "\n");
    EXPECT_TRUE(SchedulerLink::WorkItemExists());
    EXPECT_FALSE(m.cron.HasTable());  // no crontab line
    EXPECT_NE(ReadAll(m.units + UserTimer::TimerName).find("OnCalendar=*-*-* 19:30:00\n"), std::string::npos);

    // A disabled timer is no registered item.
    fs::remove(m.cron.dir + "/enabled-" + UserTimer::TimerName);
    EXPECT_FALSE(SchedulerLink::WorkItemExists());

    fs::remove(m.cron.dir + "/manager");
    ASSERT_TRUE(SchedulerLink::DeleteWorkItem());
    EXPECT_EQ(m.manager.Log(),
              "disable --now " + UserTimer::TimerName + "\nstop " + UserTimer::ServiceName + "\ndaemon-reload\n");
    EXPECT_FALSE(m.Unit(UserTimer::ServiceName));
    EXPECT_FALSE(m.Unit(UserTimer::TimerName));
    EXPECT_FALSE(SchedulerLink::DeleteWorkItem());

    // "degraded" still counts as a running manager; anything else is cron.
    m.manager.SetState("degraded");
    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    m.manager.SetState("offline");
    const std::string noDaemons = m.env.Root() + "/proc";  // whatever cron this machine runs
    fs::create_directories(noDaemons);
    EXPECT_FALSE(SchedulerLink::EnsureSchedulerRunningIn(noDaemons));
}

TEST(SchedulerLink, AnOldCrontabLineIsShownUntilTheTimerReplacesIt)
{
    ManagedEnvironment m;
    m.cron.SetTable(kOtherLines + kOldLine);
    EXPECT_TRUE(SchedulerLink::WorkItemExists());

    // Saving without the window's deletion first: the line goes only once the timer runs.
    ASSERT_TRUE(SchedulerLink::CreateWorkItem());
    EXPECT_EQ(m.cron.Table(), kOtherLines + kOldLine);
    ASSERT_TRUE(SchedulerLink::ActivateWorkItem(8, 0));
    EXPECT_EQ(m.cron.Table(), kOtherLines);
    EXPECT_TRUE(m.manager.Enabled(UserTimer::TimerName));

    // Deleting takes the line of an earlier version as well as the units.
    m.cron.SetTable(kOtherLines + kOldLine);
    ASSERT_TRUE(SchedulerLink::DeleteWorkItem());
    EXPECT_EQ(m.cron.Table(), kOtherLines);
    EXPECT_FALSE(m.Unit(UserTimer::TimerName));
    m.cron.SetTable(kOldLine);
    EXPECT_TRUE(SchedulerLink::DeleteWorkItem());  // the line alone
    EXPECT_EQ(m.cron.Table(), "");
}
