#include "schedule/SchedulerLink.h"

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SystemName.h"
#include "schedule/Crontab.h"
#include "schedule/ProcessTable.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace SchedulerLink {
namespace {
AccountPrompt& Prompt()
{
    static AccountPrompt prompt;
    return prompt;
}

// The user's crontab; an absent one reads as empty. False when it cannot be
// read, so that nothing is ever written over a table we did not see.
bool ReadTable(const std::string& crontab, std::string& table)
{
    std::string errorPath = TempDir() + "moravel-crontab-XXXXXX";
    const int fd = ::mkstemp(errorPath.data());
    if (fd < 0)
        return false;
    ::close(fd);
    const ProcessResult result =
        RunProcess({"/bin/sh", "-c", "exec \"$0\" -l 2>\"$1\"", crontab, errorPath}, {}, true);
    std::ifstream errorFile(errorPath, std::ios::binary);
    const std::string errors((std::istreambuf_iterator<char>(errorFile)), std::istreambuf_iterator<char>());
    ::unlink(errorPath.c_str());
    if (!result.started)
        return false;
    if (result.exitCode == 0) {
        table = result.output;
        return true;
    }
    if (errors.find("no crontab for") != std::string::npos) {
        table.clear();
        return true;
    }
    return false;
}

bool WriteTable(const std::string& crontab, const std::string& table)
{
    const ProcessResult result = RunProcess({crontab, "-"}, table);
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
    return Crontab::WorkItemCommand(InstallDir());
}

bool StartCommandSucceeds(const std::vector<std::string>& argv)
{
    const ProcessResult result = RunProcess(argv);
    return result.started && result.exitCode == 0;
}
}

bool EnsureSchedulerRunning()
{
    return EnsureSchedulerRunningIn("/proc");
}

bool EnsureSchedulerRunningIn(const std::string& procRoot)
{
    if (FindOnPath("crontab").empty())
        return false;
    if (AnyProcessNamed({"cron", "crond"}, procRoot))
        return true;
    // The start is not waited for; cron reads the table when it comes up.
    return StartCommandSucceeds({"systemctl", "start", "cron"}) || StartCommandSucceeds({"service", "cron", "start"});
}

bool WorkItemExists()
{
    UserTable table;
    return ReadUserTable(table) && table.workItem == Crontab::WorkItemState::Enabled;
}

bool DeleteWorkItem()
{
    UserTable table;
    if (!ReadUserTable(table) || table.workItem == Crontab::WorkItemState::Missing)
        return false;
    // A delivery in progress is ended first, as removing the line would not stop it.
    for (int id : FindProcesses("Kestrane", InstallDir() + "task.dtr"))
        ::kill(id, SIGTERM);
    const std::string rest = Crontab::RemoveWorkItem(table.text);
    // A table that held only our line goes with it, as if it had never been made.
    if (rest.find_first_not_of(" \t\r\n") == std::string::npos) {
        const ProcessResult removed = RunProcess({table.program, "-r"});
        return removed.started && removed.exitCode == 0;
    }
    return WriteTable(table.program, rest);
}

bool CreateWorkItem()
{
    const std::string command = Command();
    UserTable table;
    if (command.empty() || !ReadUserTable(table) || table.workItem != Crontab::WorkItemState::Missing)
        return false;
    return WriteTable(table.program, Crontab::AddDisabledWorkItem(table.text, command));
}

bool ActivateWorkItem(int hour, int minute)
{
    const std::string command = Command();
    UserTable table;
    if (command.empty() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || !ReadUserTable(table) ||
        table.workItem == Crontab::WorkItemState::Missing)
        return false;
    if (NeedsAccount(SystemName()) && Prompt()) {
        // The account only matters to schedulers that ask for one; it is never stored.
        std::string userId, password;
        Prompt()(userId, password);
    }
    return WriteTable(table.program, Crontab::ActivateWorkItem(table.text, hour, minute, command));
}

void SetAccountPrompt(AccountPrompt prompt)
{
    Prompt() = std::move(prompt);
}

bool NeedsAccount(const std::string& systemName)
{
    return systemName == "2000" || systemName == "XP";
}
}
