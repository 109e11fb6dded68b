#include "installer/DesktopEntries.h"
#include "platform/Process.h"
#include "platform/SystemName.h"
#include "support/TempEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The desktop folder lookup reads the user's config; keep it inside the test folder.
class MenuEnvironment : public TempEnvironment {
public:
    MenuEnvironment() { ::setenv("XDG_CONFIG_HOME", (Root() + "/home/.config").c_str(), 1); }
    ~MenuEnvironment() { ::unsetenv("XDG_CONFIG_HOME"); }
    std::string Menu() const { return Root() + "/data/applications/moravel/"; }
    std::string Desktop() const { return Root() + "/home/Desktop/"; }
};

void ExpectValid(const std::string& path)
{
    const ProcessResult result = RunProcess({"desktop-file-validate", path}, {}, true);
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0) << path << "\n" << result.output;
    EXPECT_EQ(result.output.find("error"), std::string::npos) << result.output;
}
}

TEST(SystemName, WindowsTableAndThisSystem)
{
    using P = VersionRecord;
    const std::pair<VersionRecord, std::string> cases[] = {
        {{P::Win32s, 3, 11}, "32"},     {{P::Win32s, 0, 0}, "32"},
        {{P::Windows9x, 4, 0}, "95"},   {{P::Windows9x, 4, 10}, "98"},
        {{P::Windows9x, 4, 90}, "ME"},  {{P::Windows9x, 4, 3}, ""},
        {{P::Windows9x, 5, 0}, ""},     {{P::WindowsNT, 3, 51}, "NT"},
        {{P::WindowsNT, 4, 0}, "NT"},   {{P::WindowsNT, 5, 0}, "2000"},
        {{P::WindowsNT, 5, 1}, "XP"},   {{P::WindowsNT, 5, 2}, "XP"},
        {{P::WindowsNT, 6, 0}, ""},     {{P::WindowsNT, 10, 0}, ""},
        {{P::Other, 5, 1}, ""},
    };
    for (const auto& [record, name] : cases)
        EXPECT_EQ(SystemNameOf(record), name) << record.platform << " " << record.major << "." << record.minor;
    EXPECT_EQ(SystemName(), "Linux");
    EXPECT_EQ(SystemLine("Linux"), "Optimized for Linux configuration on your PC. ");
    EXPECT_EQ(SystemLine("XP"), "Optimized for Windows XP configuration on your PC. ");
}

TEST(DesktopEntries, ExecArgumentsAreQuotedAndEscaped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/home/ann/.local/share/moravel/Kestrane", "/home/ann/.local/share/moravel/Kestrane"},
        {"/home/ann b/moravel/Kestrane", "\"/home/ann b/moravel/Kestrane\""},
        {"/x/$HOME/`y`", "\"/x/\\\\$HOME/\\\\`y\\\\`\""},
        {"/x/100%/K", "/x/100%%/K"},
        {"/x/a\"b", "\"/x/a\\\\\"b\""},
        {"/x/a\\b", "\"/x/a\\\\\\\\b\""},
    };
    for (const auto& [path, exec] : cases)
        EXPECT_EQ(DesktopExecArgument(path), exec) << path;
    EXPECT_EQ(DesktopStringValue(" a\tb\nc"), "\\sa\\tb\\nc");
}

TEST(DesktopEntries, PlacesAreTheUsersMenuAndDesktop)
{
    MenuEnvironment env;
    const auto places = ShortcutPlacesFor("Linux");
    ASSERT_TRUE(places);
    EXPECT_EQ(places->groupFolder, env.Menu());
    EXPECT_EQ(places->programShortcut, env.Menu() + "Moravel.desktop");
    EXPECT_EQ(places->uninstallShortcut, env.Menu() + "Uninstall.desktop");
    EXPECT_EQ(places->desktopShortcut, env.Desktop() + "Moravel.desktop");
    // The desktop folder named in the user's folder settings wins.
    fs::create_directories(env.Root() + "/home/.config");
    std::ofstream(env.Root() + "/home/.config/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";
    EXPECT_EQ(ShortcutPlacesFor("Linux")->desktopShortcut, env.Root() + "/home/Schreibtisch/Moravel.desktop");
    // Without XDG_DATA_HOME the menu lives under the home folder.
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(MenuGroupFolder(), env.Root() + "/home/.local/share/applications/moravel/");
    for (const char* other : {"", "32", "XP", "95"})
        EXPECT_FALSE(ShortcutPlacesFor(other)) << other;
}

TEST(DesktopEntries, EntriesWithAndWithoutTheDesktopCopy)
{
    MenuEnvironment env;
    fs::create_directories(env.Desktop());
    CreateMenuEntries("Linux", false);
    EXPECT_TRUE(fs::exists(env.Menu() + "Moravel.desktop"));
    EXPECT_TRUE(fs::exists(env.Menu() + "Uninstall.desktop"));
    EXPECT_FALSE(fs::exists(env.Desktop() + "Moravel.desktop"));

    CreateMenuEntries("Linux", true);
    const std::string desktopCopy = env.Desktop() + "Moravel.desktop";
    ASSERT_TRUE(fs::exists(desktopCopy));
    struct stat info{};
    ASSERT_EQ(::stat(desktopCopy.c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR);

    const std::string program = ReadFile(env.Menu() + "Moravel.desktop");
    const std::string install = env.InstallDir();
    EXPECT_EQ(program, "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Moravel\nExec=" + install +
                           "Kestrane\nPath=" + install.substr(0, install.size() - 1) + "\nIcon=" + install +
                           "moravel.png\nTerminal=false\nCategories=Utility;\n");
    EXPECT_EQ(ReadFile(desktopCopy), program);
    const std::string uninstall = ReadFile(env.Menu() + "Uninstall.desktop");
    EXPECT_NE(uninstall.find("\nName=Uninstall Moravel\n"), std::string::npos);
    EXPECT_NE(uninstall.find("\nExec=" + install + "uninstall\n"), std::string::npos);

    for (const std::string& path : {env.Menu() + "Moravel.desktop", env.Menu() + "Uninstall.desktop", desktopCopy})
        ExpectValid(path);
}

TEST(DesktopEntries, OddInstallPathsStillGiveValidEntries)
{
    MenuEnvironment env;
    const std::string odd = env.Root() + "/my data $1 \"x\" 100%";
    ::setenv("XDG_DATA_HOME", odd.c_str(), 1);
    CreateMenuEntries("Linux", false);
    const std::string entry = odd + "/applications/moravel/Moravel.desktop";
    ASSERT_TRUE(fs::exists(entry));
    ExpectValid(entry);
    // No desktop folder: no desktop entry, none is made up, and the caller learns which folder.
    EXPECT_EQ(CreateMenuEntries("Linux", true) + "/", env.Desktop());
    EXPECT_FALSE(fs::exists(env.Desktop()));
}

TEST(DesktopEntries, OtherSystemsGetNoEntries)
{
    MenuEnvironment env;
    CreateMenuEntries("", true);
    CreateMenuEntries("XP", true);
    EXPECT_FALSE(fs::exists(env.Root() + "/data/applications"));
}
