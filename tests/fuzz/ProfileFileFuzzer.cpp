// A profile file of any content: the reader, the engine and the daily set must
// neither crash nor overflow, whatever numbers the file holds.
#include "profiles/ProfileFiles.h"
#include "reports/DailyReadingSet.h"
#include "tests/fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInstallDir() + "fuzz.ini";
    WriteFuzzFile(path, data, size);

    const ProfileRecord record = ReadProfileFile(path);
    (void)FormatProfile(record);

    static const int targets[][3] = {{2004, 3, 15}, {1900, 1, 1}, {2005, 12, 31}, {1850, 0, -3}};
    for (const auto& target : targets) {
        DailyReadingSet set;
        ComputeDailyReadingSet(set, path, target[0], target[1], target[2]);
        for (const int value : set.readings)
            if (value < 1 || value > 99)
                std::abort();
    }
    return 0;
}
