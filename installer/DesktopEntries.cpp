#include "installer/DesktopEntries.h"

#include "platform/DataFile.h"
#include "platform/Installation.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SystemName.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace {
bool IsDirectory(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteEntry(const std::string& path, const std::string& text, bool executable)
{
    if (!WriteFileAtomically(path, text))
        return false;
    return !executable || ::chmod(path.c_str(), 0755) == 0;
}
}

ShortcutPlaces ShortcutPlacesFor()
{
    ShortcutPlaces places;
    places.groupFolder = MenuGroupFolder();
    places.programShortcut = MenuFolder() + ApplicationId + ".desktop";
    places.desktopShortcut = DesktopFolder() + "/" + ApplicationId + ".desktop";
    places.uninstallShortcut = MenuFolder() + ApplicationId + ".Uninstall.desktop";
    return places;
}

std::string MenuFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string base = xdg && xdg[0] == '/' ? WithoutClosingSlash(xdg) : HomeFolder() + "/.local/share";
    return base + "/applications/";
}

std::string MenuGroupFolder()
{
    return MenuFolder() + "moravel/";
}

std::string DesktopFolder()
{
    const ProcessResult result = RunHelper("xdg-user-dir DESKTOP", {"xdg-user-dir", "DESKTOP"}, {}, true);
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

std::string DesktopEntryText(const std::string& program)
{
    const std::string exec = DesktopExecArgument(program);
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.4\n";
    text += "Name=Moravel\n";
    text += "GenericName=Daily Analyzer\n";
    text += "Comment=Daily readings from numerology, astrology and biorhythms, for entertainment\n";
    text += "Keywords=numerology;astrology;biorhythm;horoscope;zodiac;lottery;\n";
    text += "Categories=Utility;\n";
    text += "Icon=" + ApplicationId + "\n";
    text += "Exec=" + exec + "\n";
    text += "TryExec=" + DesktopStringValue(program) + "\n";
    text += "Terminal=false\n";
    text += "StartupNotify=true\n";
    text += "StartupWMClass=" + ApplicationId + "\n";
    // SingleMainWindow is newer than Debian 12's desktop-file-validate, which refuses
    // it; GNOME reads this older key for the same thing.
    text += "X-GNOME-SingleWindow=true\n";
    text += "Actions=today;\n";
    text += "\n[Desktop Action today]\n";
    text += "Name=Today's reading\n";
    text += "Exec=" + exec + " today\n";
    return text;
}

std::string UninstallEntryText(const std::string& program)
{
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.4\n";
    text += "Name=Uninstall Moravel\n";
    text += "Exec=" + DesktopExecArgument(program) + "\n";
    text += "Icon=" + ApplicationId + "\n";
    text += "Terminal=false\n";
    text += "Categories=Utility;\n";
    return text;
}

std::string CreateMenuEntries(bool desktopShortcuts, const std::string& program, const std::string& uninstaller)
{
    const ShortcutPlaces places = ShortcutPlacesFor();
    std::error_code ignored;
    // An older install's entries would be a second Moravel in the menu.
    for (const char* old : {"Moravel.desktop", "Uninstall.desktop"})
        std::filesystem::remove(places.groupFolder + old, ignored);
    std::filesystem::remove(places.groupFolder, ignored);  // only when empty
    std::filesystem::remove(DesktopFolder() + "/Moravel.desktop", ignored);
    std::filesystem::create_directories(MenuFolder(), ignored);

    // A desktop that has no desktop folder gets no desktop entry: we do not make one up.
    const std::string& desktop = places.desktopShortcut;
    const std::string desktopFolder = desktop.substr(0, desktop.rfind('/'));
    std::string missingDesktop;
    if (desktopShortcuts && IsDirectory(desktopFolder))
        WriteEntry(places.desktopShortcut, DesktopEntryText(program), true);
    else if (desktopShortcuts)
        missingDesktop = desktopFolder;
    if (uninstaller.empty()) {
        std::filesystem::remove(places.programShortcut, ignored);
        std::filesystem::remove(places.uninstallShortcut, ignored);
    } else {
        WriteEntry(places.programShortcut, DesktopEntryText(program), false);
        WriteEntry(places.uninstallShortcut, UninstallEntryText(uninstaller), false);
    }
    return missingDesktop;
}

std::string SystemLine()
{
    return "Optimized for " + SystemName() + " configuration on your PC. ";
}
