// Any "mv.ini": every row read must come from an "Adjustment:" line.
#include "profiles/ProfileFiles.h"
#include "tests/fuzz/FuzzFile.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    WriteFuzzFile(FuzzInstallDir() + "mv.ini", data, size);
    std::vector<ProfileIndexEntry> list;
    LoadProfileIndex(list);
    std::size_t longest = 0;
    for (const ProfileIndexEntry& entry : list)
        longest = std::max({longest, entry.fullName.size(), entry.description.size(), entry.calibrationLabel.size()});
    if (list.size() > size / 11 || longest >= 500)
        std::abort();
    (void)FormatProfileIndex(list);
    return 0;
}
