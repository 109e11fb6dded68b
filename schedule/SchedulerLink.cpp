#include "schedule/SchedulerLink.h"

#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "schedule/Crontab.h"
#include "schedule/ProcessTable.h"
#include "schedule/UserTimer.h"

#include "platform/DataFile.h"

#include <csignal>
#include <filesystem>
#include <cstdlib>
#include <unistd.h>

namespace SchedulerLink {
namespace {
// The user's crontab; an absent one reads as empty. False when it cannot be
// read, so that nothing is ever written over a table we did not see.
bool ReadTable(const std::string& crontab, std::string& table)
{
    // The table comes on standard output; its error text stays in the shell, which
    // answers 3 for "no crontab for": no file is left behind however the run ends.
    constexpr int kNoTable = 3;
    const ProcessResult result = RunHelper("crontab -l",
                                           {"/bin/sh", "-c",
                                            "{ errors=$(\"$0\" -l 2>&1 >&3 3>&-); status=$?; } 3>&1\n"
                                            "[ $status -eq 0 ] && exit 0\n"
                                            "case $errors in *'no crontab for'*) exit 3 ;; esac\n"
                                            "exit 1",
                                            crontab},
                                           {}, true);
    if (!result.started)
        return false;
    if (result.exitCode == 0) {
        table = result.output;
        return true;
    }
    if (result.exitCode == kNoTable) {
        table.clear();
        return true;
    }
    return false;
}

// The folder as the manager takes it: without "." or ".." parts (and links resolved).
std::string NormalisedFolder(const std::string& folder)
{
    char* real = ::realpath(folder.c_str(), nullptr);
    if (!real)
        return folder;
    std::string result = real;
    std::free(real);
    return result == "/" ? result : result + "/";
}

bool WriteTable(const std::string& crontab, const std::string& table)
{
    const ProcessResult result = RunHelper("crontab -", {crontab, "-"}, table);
    return result.started && result.exitCode == 0;
}

// The user's table as read now, with the crontab program that wrote it.
struct UserTable {
    std::string program;
    std::string text;
    Crontab::WorkItemState workItem = Crontab::WorkItemState::Missing;
};

// False when there is no crontab program or the table cannot be read.
bool ReadUserTable(UserTable& table)
{
    table.program = FindOnPath("crontab");
    if (table.program.empty() || !ReadTable(table.program, table.text))
        return false;
    table.workItem = Crontab::FindWorkItem(table.text);
    return true;
}

std::string Command()
{
    return Crontab::WorkItemCommand(InstallDir(), MainProgram());
}

bool StartCommandSucceeds(const std::vector<std::string>& argv)
{
    std::string shown = argv.front();
    for (std::size_t i = 1; i < argv.size(); ++i)
        shown += " " + argv[i];
    const ProcessResult result = RunHelper(shown, argv);
    return result.started && result.exitCode == 0;
}

// `systemctl --user` with the arguments; its complaints (no bus, no manager) are
// not the user's business. True when it exits 0.
bool Systemctl(const std::vector<std::string>& arguments, std::string* output = nullptr)
{
    const std::string program = FindOnPath("systemctl");
    if (program.empty())
        return false;
    std::vector<std::string> argv{"/bin/sh", "-c", "exec \"$0\" --user \"$@\" 2>/dev/null", program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::string shown = "systemctl --user";
    for (const std::string& argument : arguments)
        shown += " " + argument;
    const ProcessResult result = RunHelper(shown, argv, {}, output != nullptr);
    if (output)
        *output = result.output;
    return result.started && result.exitCode == 0;
}

bool ManagerRuns()
{
    std::string state;
    Systemctl({"is-system-running"}, &state);  // exits 1 when degraded
    return UserTimer::ManagerRuns(state);
}

std::string UnitPath(const std::string& name)
{
    return UserTimer::UnitFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")) + name;
}

// Present as a file or a link, whatever it points at.
bool Present(const std::string& path)
{
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found && !error;
}

// Stops and removes both units; true when there was one.
bool RemoveUnits()
{
    const std::string timer = UnitPath(UserTimer::TimerName);
    const std::string service = UnitPath(UserTimer::ServiceName);
    if (!Present(timer) && !Present(service))
        return false;
    const bool manager = ManagerRuns();
    if (manager) {
        Systemctl({"disable", "--now", UserTimer::TimerName});
        Systemctl({"stop", UserTimer::ServiceName});  // a delivery in progress
    }
    std::error_code ignored;
    std::filesystem::remove(UnitPath("timers.target.wants/" + UserTimer::TimerName), ignored);
    std::filesystem::remove(timer, ignored);
    std::filesystem::remove(service, ignored);
    if (manager)
        Systemctl({"daemon-reload"});
    return true;
}

bool RemoveCrontabLine(bool endRunningDelivery)
{
    UserTable table;
    if (!ReadUserTable(table) || table.workItem == Crontab::WorkItemState::Missing)
        return false;
    // A delivery in progress is ended first, as removing the line would not stop it.
    if (endRunningDelivery)
        for (int id : FindProcesses("Kestrane", InstallDir() + "task.dtr"))
            ::kill(id, SIGTERM);
    const std::string rest = Crontab::RemoveWorkItem(table.text);
    // A table that held only our line goes with it, as if it had never been made.
    if (rest.find_first_not_of(" \t\r\n") == std::string::npos) {
        const ProcessResult removed = RunHelper("crontab -r", {table.program, "-r"});
        return removed.started && removed.exitCode == 0;
    }
    return WriteTable(table.program, rest);
}

bool ValidTime(int hour, int minute)
{
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}
}

bool EnsureSchedulerRunning()
{
    return EnsureSchedulerRunningIn("/proc");
}

bool EnsureSchedulerRunningIn(const std::string& procRoot)
{
    if (ManagerRuns())
        return true;
    if (FindOnPath("crontab").empty())
        return false;
    if (AnyProcessNamed({"cron", "crond"}, procRoot))
        return true;
    // The start is not waited for; cron reads the table when it comes up.
    return StartCommandSucceeds({"systemctl", "start", "cron"}) || StartCommandSucceeds({"service", "cron", "start"});
}

bool WorkItemExists()
{
    if (ManagerRuns() && Present(UnitPath(UserTimer::TimerName))) {
        std::string state;
        Systemctl({"is-enabled", UserTimer::TimerName}, &state);
        if (state == "enabled\n" || state == "enabled")
            return true;
    }
    UserTable table;
    return ReadUserTable(table) && table.workItem == Crontab::WorkItemState::Enabled;
}

bool DeleteWorkItem()
{
    const bool unitsRemoved = RemoveUnits();
    return RemoveCrontabLine(true) || unitsRemoved;
}

bool CreateWorkItem()
{
    if (ManagerRuns()) {
        const std::string service = UnitPath(UserTimer::ServiceName);
        const std::string text = UserTimer::ServiceText(NormalisedFolder(InstallDir()), MainProgram());
        if (text.empty() || Present(service) || Present(UnitPath(UserTimer::TimerName)))
            return false;
        std::error_code error;
        std::filesystem::create_directories(UnitPath(""), error);
        return WriteFileAtomically(service, text);
    }
    const std::string command = Command();
    UserTable table;
    if (command.empty() || !ReadUserTable(table) || table.workItem != Crontab::WorkItemState::Missing)
        return false;
    return WriteTable(table.program, Crontab::AddDisabledWorkItem(table.text, command));
}

bool ActivateWorkItem(int hour, int minute)
{
    if (!ValidTime(hour, minute))
        return false;
    if (ManagerRuns()) {
        if (!Present(UnitPath(UserTimer::ServiceName)))
            return false;
        if (!WriteFileAtomically(UnitPath(UserTimer::TimerName), UserTimer::TimerText(hour, minute)) ||
            !Systemctl({"daemon-reload"}) || !Systemctl({"enable", "--now", UserTimer::TimerName}))
            return false;
        // The timer carries the delivery now; a line of an earlier version would send it twice.
        RemoveCrontabLine(false);
        return true;
    }
    const std::string command = Command();
    UserTable table;
    if (command.empty() || !ReadUserTable(table) || table.workItem == Crontab::WorkItemState::Missing)
        return false;
    return WriteTable(table.program, Crontab::ActivateWorkItem(table.text, hour, minute, command));
}

void RetargetWorkItem()
{
    const std::string service = UnitPath(UserTimer::ServiceName);
    const std::string text = UserTimer::ServiceText(NormalisedFolder(InstallDir()), MainProgram());
    if (Present(service) && !text.empty() && WriteFileAtomically(service, text) && ManagerRuns())
        Systemctl({"daemon-reload"});
    const std::string command = Command();
    UserTable table;
    if (!command.empty() && ReadUserTable(table) && table.workItem != Crontab::WorkItemState::Missing) {
        const std::string retargeted = Crontab::RetargetWorkItem(table.text, command);
        if (retargeted != table.text)
            WriteTable(table.program, retargeted);
    }
}
}
