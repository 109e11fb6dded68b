#include "installer/PackagedSetUp.h"

#include "platform/DataFile.h"
#include "platform/Installation.h"
#include "platform/Paths.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::vector<std::string> kIconSizes{"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"};
}

std::string SetUpMark()
{
    return InstallDir() + "setup.txt";
}

bool IsSetUp()
{
    struct stat info {};
    return ::lstat(SetUpMark().c_str(), &info) == 0;
}

void MarkSetUp()
{
    CreateInstallFolders();
    WriteFileAtomically(SetUpMark(), "Set up for " + MainProgram() + "\n");
}

std::vector<std::string> InstalledCopyFiles()
{
    std::vector<std::string> names{"Kestrane",
                                   WindowsModuleName,
                                   PicturesModuleName,
                                   PrintingModuleName,
                                   "installer",
                                   "uninstall",
                                   "delete",
                                   "Kestrane.1",
                                   "Kestrane.bash",
                                   "moravel.fish",
                                   "moravel.zsh",
                                   "moravel.png",
                                   ApplicationId + ".metainfo.xml",
                                   ApplicationId + ".desktop"};
    for (const char* sign : {"aries", "taurus", "gemini", "cancer", "leo", "virgo", "libra", "scorpio", "sagittarius",
                             "capricorn", "aquarius", "pisces"})
        names.push_back(std::string(sign) + ".gif");
    for (const std::string& size : kIconSizes)
        names.push_back("icons/hicolor/" + size + "/apps/" + ApplicationId + ".png");
    names.push_back("icons/hicolor/scalable/apps/" + ApplicationId + ".svg");
    return names;
}

void RemoveInstalledCopy()
{
    const std::string install = InstallDir();
    for (const std::string& name : InstalledCopyFiles()) {
        const std::string path = install + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
            ::unlink(path.c_str());
    }
    std::vector<std::string> sizes = kIconSizes;
    sizes.push_back("scalable");
    for (const std::string& size : sizes) {
        ::rmdir((install + "icons/hicolor/" + size + "/apps").c_str());
        ::rmdir((install + "icons/hicolor/" + size).c_str());
    }
    ::rmdir((install + "icons/hicolor").c_str());
    ::rmdir((install + "icons").c_str());
}
