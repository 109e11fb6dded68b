#include "platform/Installation.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool IsFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Any one of the pictures tells a picture folder from another folder.
constexpr const char* kSamplePicture = "moravel.png";
}

ProgramLayout LayoutOf(const std::string& programFolder)
{
    const std::string folder = WithoutClosingSlash(programFolder);
    const std::string packagedEnd = "/libexec/moravel";
    if (folder.size() > packagedEnd.size() &&
        folder.compare(folder.size() - packagedEnd.size(), packagedEnd.size(), packagedEnd) == 0) {
        const std::string shared = folder.substr(0, folder.size() - packagedEnd.size()) + "/share/moravel/";
        if (IsFile(shared + kSamplePicture))
            return {true, folder + "/", shared};
    }
    if (!folder.empty() && folder[0] == '/' && IsFile(folder + "/" + kSamplePicture))
        return {false, folder + "/", folder + "/"};
    return {false, InstallDir(), InstallDir()};
}

std::string RunningProgramFolder()
{
    char* real = ::realpath("/proc/self/exe", nullptr);
    if (!real)
        return {};
    std::string path = real;
    std::free(real);
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

ProgramLayout CurrentLayout()
{
    return LayoutOf(RunningProgramFolder());
}

std::string PictureFolder()
{
    return CurrentLayout().pictures;
}

std::string HandOverProgram()
{
    const ProgramLayout packaged = LayoutOf(PackagedProgramFolder);
    const std::string running = RunningProgramFolder();
    char* real = ::realpath(InstallDir().c_str(), nullptr);
    const std::string install = real ? real : "";
    std::free(real);
    if (!packaged.packaged || running.empty() || install.empty() || WithoutClosingSlash(running) != install)
        return {};
    const std::string program = packaged.programs + "Kestrane";
    return ::access(program.c_str(), X_OK) == 0 ? program : std::string();
}

std::string MainProgram()
{
    return CurrentLayout().programs + "Kestrane";
}
