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
    const std::string crontab = FindOnPath("crontab");
    std::string table;
    return !crontab.empty() && ReadTable(crontab, table) &&
           Crontab::FindWorkItem(table) == Crontab::WorkItemState::Enabled;
}

bool DeleteWorkItem()
{
    const std::string crontab = FindOnPath("crontab");
    std::string table;
    if (crontab.empty() || !ReadTable(crontab, table) ||
        Crontab::FindWorkItem(table) == Crontab::WorkItemState::Missing)
        return false;
    // A delivery in progress is ended first, as removing the line would not stop it.
    for (int id : FindProcesses("Kestrane", InstallDir() + "task.dtr"))
        ::kill(id, SIGTERM);
    return WriteTable(crontab, Crontab::RemoveWorkItem(table));
}

bool CreateWorkItem()
{
    const std::string crontab = FindOnPath("crontab");
    const std::string command = Command();
    std::string table;
    if (crontab.empty() || command.empty() || !ReadTable(crontab, table) ||
        Crontab::FindWorkItem(table) != Crontab::WorkItemState::Missing)
        return false;
    return WriteTable(crontab, Crontab::AddDisabledWorkItem(table, command));
}

bool ActivateWorkItem(int hour, int minute)
{
    const std::string crontab = FindOnPath("crontab");
    const std::string command = Command();
    std::string table;
    if (crontab.empty() || command.empty() || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        !ReadTable(crontab, table) || Crontab::FindWorkItem(table) == Crontab::WorkItemState::Missing)
        return false;
    if (NeedsAccount(SystemName()) && Prompt()) {
        // The account only matters to schedulers that ask for one; it is never stored.
        std::string userId, password;
        Prompt()(userId, password);
    }
    return WriteTable(crontab, Crontab::ActivateWorkItem(table, hour, minute, command));
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
