#pragma once

#include <string>

// The function `entry` of `module`, a shared object in the running program's folder
// (platform/Installation.h names them), bound lazily: only what is called is
// resolved. Null when it cannot be loaded, and `failure` says why:
// "cannot load <path>: <reason>".
void* ProgramModuleEntry(const char* module, const char* entry, std::string& failure);
