#include "schedule/UserTimer.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace UserTimer {
namespace {
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

// The manager refuses a working folder with "." or ".." in it: the folder as the system
// resolves it, links and all, or as written where it does not exist yet.
std::string ResolvedFolder(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(folder, error);
    return error ? WithoutClosingSlash(folder) : WithoutClosingSlash(resolved.lexically_normal().string());
}

bool IsUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xe  ? 3
                                   : (lead >> 3) == 0x1e ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size() || (length == 2 && lead < 0xc2))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// A double-quoted value with C-style escapes; bytes of a name that is no UTF-8 as
// "\xNN", since a unit file must be UTF-8 itself.
std::string Quoted(const std::string& text, bool keepDollar)
{
    const bool escapeHigh = !IsUtf8(text);
    std::string result = "\"";
    for (char c : text) {
        if (escapeHigh && static_cast<unsigned char>(c) >= 0x80) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned char>(c));
            result += code;
            continue;
        }
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

// The manager runs a program only from a UTF-8 path without quotes or backslashes,
// and sets folders and variables only from UTF-8: any other folder is reached
// through the shell, which takes any bytes as its arguments.
bool NeedsShell(const std::string& installDir)
{
    return !IsUtf8(installDir) || installDir.find_first_of("\"'\\") != std::string::npos;
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

std::string ProgramWord(const std::string& path)
{
    // The manager expands specifiers in the program's path, but no "$".
    return Quoted(path, false);
}

std::string ServiceText(const std::string& installDir, const std::string& program)
{
    if (!IsOneLineValue(installDir) || !IsOneLineValue(program))
        return {};
    if (NeedsShell(installDir) || NeedsShell(program))
        return "[Unit]\n"
               "Description=Moravel daily analysis report\n"
               "\n"
               "[Service]\n"
               "Type=oneshot\n"
               "ExecStart=/bin/sh -c " +
               CommandWord("XDG_DATA_HOME=$2 && export XDG_DATA_HOME && cd \"$1\" && "
                           "exec \"$3\" \"$1task.dtr\"") +
               " sh " + CommandWord(installDir) + " " + CommandWord(ParentFolder(installDir)) + " " +
               CommandWord(program) + "\n";
    return "[Unit]\n"
           "Description=Moravel daily analysis report\n"
           "\n"
           "[Service]\n"
           "Type=oneshot\n"
           "Environment=" +
           Quoted("XDG_DATA_HOME=" + ParentFolder(installDir), false) +
           "\n"
           "WorkingDirectory=" +
           WithoutSpecifiers(ResolvedFolder(installDir)) +
           "\n"
           "ExecStart=" +
           ProgramWord(program) + " " + CommandWord(installDir + "task.dtr") + "\n";
}

std::string TimerText(int hour, int minute)
{
    return "[Unit]\n"
           "Description=Moravel daily analysis report at " +
           TwoDigits(hour) + ":" + TwoDigits(minute) +
           "\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=*-*-* " +
           TwoDigits(hour) + ":" + TwoDigits(minute) +
           ":00\n"
           "Persistent=true\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n";
}
}
