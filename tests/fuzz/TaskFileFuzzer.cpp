// Any "task.dtr": the readers, the scheduled-profile test, the type rule and the
// Schedule window's settings, which its lists must be able to show.
#include "schedule/DailySchedule.h"
#include "schedule/TaskFile.h"
#include "tests/fuzz/FuzzFile.h"

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
    const ScheduleForm form = FormOfTask(contents);
    if (form.hour < 1 || form.hour > 23 || form.minute < 0 || form.minute > 59 || form.fullColour < 0 ||
        form.fullColour > 1)
        std::abort();
    return 0;
}
