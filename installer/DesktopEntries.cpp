#include "installer/DesktopEntries.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"
#include "platform/Process.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace {
bool IsDirectory(const std::string& path)
{
    struct stat info{};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteEntry(const std::string& path, const std::string& name, const std::string& program, bool executable)
{
    if (!WriteFileAtomically(path, DesktopEntryText(name, program)))
        return false;
    return !executable || ::chmod(path.c_str(), 0755) == 0;
}
}

std::optional<ShortcutPlaces> ShortcutPlacesFor(const std::string& systemName)
{
    if (systemName != "Linux")
        return std::nullopt;
    ShortcutPlaces places;
    places.groupFolder = MenuGroupFolder();
    places.programShortcut = places.groupFolder + "Moravel.desktop";
    places.desktopShortcut = DesktopFolder() + "/Moravel.desktop";
    places.uninstallShortcut = places.groupFolder + "Uninstall.desktop";
    return places;
}

std::string MenuGroupFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base = xdg && xdg[0] == '/' ? WithoutClosingSlash(xdg) : HomeFolder() + "/.local/share";
    return base + "/applications/moravel/";
}

std::string DesktopFolder()
{
    const ProcessResult result = RunProcess({"xdg-user-dir", "DESKTOP"}, {}, true);
    std::string folder = result.started && result.exitCode == 0 ? result.output : std::string();
    while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r'))
        folder.pop_back();
    // Anything but an absolute path means the tool had nothing useful to say.
    if (folder.empty() || folder[0] != '/')
        folder = HomeFolder() + "/Desktop";
    return WithoutClosingSlash(folder);
}

std::string DesktopStringValue(const std::string& text)
{
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\r')
            value += "\\r";
        else if (c == '\t')
            value += "\\t";
        else if (c == ' ' && i == 0)
            value += "\\s";
        else
            value += c;
    }
    return value;
}

std::string DesktopExecArgument(const std::string& argument)
{
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    if (argument.find_first_of(reserved) == std::string::npos) {
        quoted = argument;
    } else {
        quoted = "\"";
        for (char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        quoted += "\"";
    }
    std::string doubled;
    for (char c : quoted) {
        doubled += c;
        if (c == '%')
            doubled += '%';
    }
    return DesktopStringValue(doubled);
}

std::string DesktopEntryText(const std::string& name, const std::string& program)
{
    const std::string folder = InstallDir();
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    text += "Name=" + DesktopStringValue(name) + "\n";
    text += "Exec=" + DesktopExecArgument(program) + "\n";
    text += "Path=" + DesktopStringValue(WithoutClosingSlash(folder)) + "\n";
    text += "Icon=" + DesktopStringValue(folder + "moravel.png") + "\n";
    text += "Terminal=false\n";
    text += "Categories=Utility;\n";
    return text;
}

std::string CreateMenuEntries(const std::string& systemName, bool desktopShortcuts)
{
    const std::optional<ShortcutPlaces> places = ShortcutPlacesFor(systemName);
    if (!places)
        return {};
    std::error_code ignored;
    std::filesystem::create_directories(places->groupFolder, ignored);

    const std::string program = InstallDir() + "Kestrane";
    // A desktop that has no desktop folder gets no desktop entry: we do not make one up.
    const std::string& desktop = places->desktopShortcut;
    const std::string desktopFolder = desktop.substr(0, desktop.rfind('/'));
    std::string missingDesktop;
    if (desktopShortcuts && IsDirectory(desktopFolder))
        WriteEntry(places->desktopShortcut, "Moravel", program, true);
    else if (desktopShortcuts)
        missingDesktop = desktopFolder;
    WriteEntry(places->programShortcut, "Moravel", program, false);
    WriteEntry(places->uninstallShortcut, "Uninstall Moravel", InstallDir() + "uninstall", false);
    return missingDesktop;
}

std::string SystemLine(const std::string& systemName)
{
    if (systemName == "Linux")
        return "Optimized for Linux configuration on your PC. ";
    return "Optimized for Windows " + systemName + " configuration on your PC. ";
}
