#include "installer/DesktopEntries.h"
#include "platform/Process.h"
#include "support/TempEnvironment.h"

#include <cstdlib>
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
    std::string Menu() const { return Root() + "/data/applications/"; }
    std::string Program() const { return InstallDir() + "Kestrane"; }
    std::string Uninstaller() const { return InstallDir() + "uninstall"; }
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

TEST(SystemName, ThisSystemsLine)
{
    EXPECT_EQ(SystemLine(), "Optimized for Linux configuration on your PC. ");
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
    const ShortcutPlaces places = ShortcutPlacesFor();
    EXPECT_EQ(places.groupFolder, env.Menu() + "moravel/");
    EXPECT_EQ(places.programShortcut, env.Menu() + "org.moravel.Moravel.desktop");
    EXPECT_EQ(places.uninstallShortcut, env.Menu() + "org.moravel.Moravel.Uninstall.desktop");
    EXPECT_EQ(places.desktopShortcut, env.Desktop() + "org.moravel.Moravel.desktop");
    // The desktop folder named in the user's folder settings wins.
    fs::create_directories(env.Root() + "/home/.config");
    std::ofstream(env.Root() + "/home/.config/user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";
    EXPECT_EQ(ShortcutPlacesFor().desktopShortcut, env.Root() + "/home/Schreibtisch/org.moravel.Moravel.desktop");
    // Without XDG_DATA_HOME the menu lives under the home folder.
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(MenuFolder(), env.Root() + "/home/.local/share/applications/");
}

TEST(DesktopEntries, EntriesWithAndWithoutTheDesktopCopy)
{
    MenuEnvironment env;
    fs::create_directories(env.Desktop());
    // An older install's entries under their old names go: one Moravel in the menu.
    fs::create_directories(env.Menu() + "moravel");
    for (const std::string& old : {env.Menu() + "moravel/Moravel.desktop", env.Menu() + "moravel/Uninstall.desktop",
                                   env.Desktop() + "Moravel.desktop"})
        std::ofstream(old) << "[Desktop Entry]\n";
    CreateMenuEntries(false, env.Program(), env.Uninstaller());
    EXPECT_FALSE(fs::exists(env.Menu() + "moravel"));
    EXPECT_FALSE(fs::exists(env.Desktop() + "Moravel.desktop"));
    const std::string entry = env.Menu() + "org.moravel.Moravel.desktop";
    const std::string uninstallEntry = env.Menu() + "org.moravel.Moravel.Uninstall.desktop";
    EXPECT_TRUE(fs::exists(entry));
    EXPECT_TRUE(fs::exists(uninstallEntry));
    EXPECT_FALSE(fs::exists(env.Desktop() + "org.moravel.Moravel.desktop"));

    CreateMenuEntries(true, env.Program(), env.Uninstaller());
    const std::string desktopCopy = env.Desktop() + "org.moravel.Moravel.desktop";
    ASSERT_TRUE(fs::exists(desktopCopy));
    struct stat info {};
    ASSERT_EQ(::stat(desktopCopy.c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR);

    // The source install's entry is the package's with the program by its path.
    const std::string program = ReadFile(entry);
    std::string packaged =
        ReadFile(std::string(std::getenv("MORAVEL_SOURCE_DIR")) + "/assets/org.moravel.Moravel.desktop");
    for (std::size_t at; (at = packaged.find("=moravel")) != std::string::npos;)
        packaged.replace(at + 1, 7, env.Program());
    EXPECT_EQ(program, packaged);
    EXPECT_EQ(ReadFile(desktopCopy), program);
    const std::string uninstall = ReadFile(uninstallEntry);
    EXPECT_NE(uninstall.find("\nName=Uninstall Moravel\n"), std::string::npos);
    EXPECT_NE(uninstall.find("\nExec=" + env.Uninstaller() + "\n"), std::string::npos);
    EXPECT_NE(uninstall.find("\nIcon=org.moravel.Moravel\n"), std::string::npos);

    for (const std::string& path : {entry, uninstallEntry, desktopCopy})
        ExpectValid(path);

    // A packaged copy's menu entry comes with the package: the user's own go.
    CreateMenuEntries(false, "/usr/libexec/moravel/Kestrane", {});
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(fs::exists(uninstallEntry));
    EXPECT_NE(ReadFile(desktopCopy).find("\nExec=" + env.Program() + "\n"), std::string::npos);
}

TEST(DesktopEntries, OddInstallPathsStillGiveValidEntries)
{
    MenuEnvironment env;
    const std::string odd = env.Root() + "/my data $1 \"x\" 100%";
    ::setenv("XDG_DATA_HOME", odd.c_str(), 1);
    CreateMenuEntries(false, odd + "/moravel/Kestrane", odd + "/moravel/uninstall");
    const std::string entry = odd + "/applications/org.moravel.Moravel.desktop";
    ASSERT_TRUE(fs::exists(entry));
    ExpectValid(entry);
    // No desktop folder: no desktop entry, none is made up, and the caller learns which folder.
    EXPECT_EQ(CreateMenuEntries(true, env.Program(), env.Uninstaller()) + "/", env.Desktop());
    EXPECT_FALSE(fs::exists(env.Desktop()));
}
