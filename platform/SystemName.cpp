#include "platform/SystemName.h"

std::string SystemName()
{
    return "Linux";
}
