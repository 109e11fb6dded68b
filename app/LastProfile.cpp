#include "app/LastProfile.h"

#include "platform/DataFile.h"
#include "platform/Paths.h"

#include <fstream>

namespace {
std::string LastProfilePath()
{
    return InstallDir() + "selected.txt";
}
}

std::string LastSelectedProfile()
{
    std::ifstream file(LastProfilePath());
    std::string description;
    std::getline(file, description);
    return description;
}

void RememberSelectedProfile(const std::string& description)
{
    if (description.find('\n') != std::string::npos || description == LastSelectedProfile())
        return;
    WriteFileAtomically(LastProfilePath(), description + "\n", Durable::No);
}
