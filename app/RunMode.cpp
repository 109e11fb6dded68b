#include "app/RunMode.h"

#include "platform/Process.h"

#include <algorithm>

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
    const auto set = [](const char* value) { return value && value[0]; };
    if (!set(qpaPlatform))
        return set(display) || set(waylandDisplay);
    // A list such as "wayland;xcb" is tried in order: one that can start is enough.
    const std::string platforms = qpaPlatform;
    std::size_t start = 0;
    while (start <= platforms.size()) {
        const std::size_t end = std::min(platforms.find(';', start), platforms.size());
        const std::string name = platforms.substr(start, end - start);
        if (name.rfind("xcb", 0) == 0) {
            if (set(display))
                return true;
        } else if (name.rfind("wayland", 0) == 0) {
            if (set(waylandDisplay))
                return true;
        } else if (!name.empty()) {
            return true;
        }
        start = end + 1;
    }
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
