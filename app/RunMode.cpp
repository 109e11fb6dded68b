#include "app/RunMode.h"

#include "platform/Process.h"

bool VersionIsRefused(const VersionRecord& record)
{
    return record.platform == VersionRecord::Windows9x && record.major == 4 && record.minor == 0;
}

bool SystemIsRefused()
{
    return false;
}

bool ScreenIsAdequate(int width, int depth)
{
    return width >= 800 && depth > 8;
}

RunModeChoice ChooseRunMode(const std::vector<std::string>& arguments)
{
    RunModeChoice choice;
    if (arguments.empty())
        return choice;
    std::string commandLine = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i)
        commandLine += ' ' + arguments[i];
    const std::string taskPath = TaskFilePath();
    if (commandLine != taskPath)
        return choice;
    choice.namesTaskFile = true;
    choice.task = ReadTaskFile(taskPath);
    choice.unattended = choice.task.IsPresent();
    return choice;
}

bool DisplayAvailable(const char* display, const char* waylandDisplay, const char* qpaPlatform)
{
    for (const char* value : {display, waylandDisplay, qpaPlatform})
        if (value && value[0])
            return true;
    return false;
}

bool EndsSilently(const RunModeChoice& choice, bool displayAvailable)
{
    return choice.namesTaskFile && !choice.unattended && !displayAvailable;
}

std::vector<std::string> DisplaySettingsCommand()
{
    const std::vector<std::vector<std::string>> candidates = {
        {"gnome-control-center", "display"},
        {"systemsettings", "kcm_kscreen"},
        {"xfce4-display-settings"},
    };
    for (const auto& candidate : candidates) {
        const std::string program = FindOnPath(candidate.front());
        if (program.empty())
            continue;
        std::vector<std::string> command = candidate;
        command.front() = program;
        return command;
    }
    return {};
}
