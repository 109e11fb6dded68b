#include "schedule/UnattendedRun.h"

void RunUnattended(const std::string&, const std::string&, int)
{
}
