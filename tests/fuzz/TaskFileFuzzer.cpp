// Any "task.dtr": the readers, the scheduled-profile test and the type rule.
#include "FuzzFile.h"
#include "schedule/TaskFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string& install = FuzzInstallDir();
    WriteFuzzFile(install + "task.dtr", data, size);
    const TaskFileContents contents = ReadTaskFile();
    const int type = contents.UnattendedType();
    if (type != 0 && type != 1)
        std::abort();
    (void)IsProfileScheduled(install + "Anna.ini");
    (void)IsProfileScheduled(contents.profilePath);
    return 0;
}
