#include "app/CommandLine.h"
#include "app/PictureCommand.h"
#include "app/ui/StartUp.h"

#include <iostream>

// The entry of Kestrane's windows module (app/ModuleLoader.h), given the command
// line as Kestrane was started with it.
extern "C" __attribute__((visibility("default"))) int KestraneWindowsMain(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = ReadCommandLine(argv[0] ? argv[0] : "", arguments);
    if (command.kind == CommandKind::None)
        return RunStartUp(argc, argv);
    if (command.error.empty() && command.kind == CommandKind::Picture)
        return RunPictureCommand(command);
    if (command.error.empty() && command.kind == CommandKind::Open)
        return RunStartUp(1, argv, command.Request());
    return RunCoreCommand(command, std::cout, std::cerr);
}
