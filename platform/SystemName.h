#pragma once

#include <string>

// The name of the system Moravel runs on, as the installer shows it: "Linux".
std::string SystemName();
