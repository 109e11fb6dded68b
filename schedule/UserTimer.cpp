#include "schedule/UserTimer.h"

#include "platform/Paths.h"

#include <cstdio>

namespace UserTimer {
namespace {
bool HasControlCharacter(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7f)
            return true;
    return false;
}

// The manager expands "%" specifiers in every value.
std::string WithoutSpecifiers(const std::string& text)
{
    std::string result;
    for (char c : text) {
        result += c;
        if (c == '%')
            result += '%';
    }
    return result;
}

// A double-quoted value with C-style escapes.
std::string Quoted(const std::string& text, bool keepDollar)
{
    std::string result = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
        if (c == '%')
            result += '%';
        else if (c == '$' && keepDollar)
            result += '$';
    }
    return result + "\"";
}

std::string TwoDigits(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string ParentFolder(const std::string& folder)
{
    std::string parent = WithoutClosingSlash(folder);
    const std::size_t slash = parent.rfind('/');
    parent.erase(slash == std::string::npos ? 0 : slash);
    return parent.empty() ? "/" : parent;
}
}

std::string UnitFolder(const char* xdgConfigHome, const char* home)
{
    std::string base;
    if (xdgConfigHome && xdgConfigHome[0])
        base = WithoutClosingSlash(xdgConfigHome);
    else
        base = WithoutClosingSlash(home && home[0] ? home : "") + "/.config";
    return base + "/systemd/user/";
}

bool ManagerRuns(const std::string& output)
{
    const std::size_t end = output.find_last_not_of(" \t\r\n");
    const std::string state = output.substr(0, end == std::string::npos ? 0 : end + 1);
    return state == "running" || state == "degraded";
}

std::string CommandWord(const std::string& text)
{
    return Quoted(text, true);
}

std::string ServiceText(const std::string& installDir, const std::string& program)
{
    if (HasControlCharacter(installDir) || HasControlCharacter(program))
        return {};
    return "[Unit]\n"
           "Description=Moravel daily analysis report\n"
           "\n"
           "[Service]\n"
           "Type=oneshot\n"
           "Environment=" + Quoted("XDG_DATA_HOME=" + ParentFolder(installDir), false) + "\n"
           "WorkingDirectory=" + WithoutSpecifiers(WithoutClosingSlash(installDir)) + "\n"
           "ExecStart=" + CommandWord(program) + " " + CommandWord(installDir + "task.dtr") + "\n";
}

std::string TimerText(int hour, int minute)
{
    return "[Unit]\n"
           "Description=Moravel daily analysis report at " + TwoDigits(hour) + ":" + TwoDigits(minute) + "\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=*-*-* " + TwoDigits(hour) + ":" + TwoDigits(minute) + ":00\n"
           "Persistent=true\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n";
}
}
