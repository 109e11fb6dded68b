#include "app/CommandLine.h"
#include "app/ModuleLoader.h"
#include "app/PlainStart.h"
#include "platform/Installation.h"

#include <iostream>

int main(int argc, char* argv[])
{
    // The commands are told apart before any application object exists: report,
    // profiles and the plain scheduled run need neither a display nor Qt's GUI; a
    // picture needs the GUI module but no widgets; only the other starts load the
    // windows.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = ReadCommandLine(argv[0] ? argv[0] : "", arguments);
    if (command.kind == CommandKind::None) {
        const PlainStart start = RunPlainStart(argc, argv);
        if (start.status)
            return *start.status;
        if (start.mode.unattended)
            return RunModule(PicturesModuleName, PicturesModuleEntry, argc, argv);
    } else if (!command.error.empty() || (command.kind != CommandKind::Picture && command.kind != CommandKind::Open)) {
        return RunCoreCommand(command, std::cout, std::cerr);
    } else if (command.kind == CommandKind::Picture) {
        return RunModule(PicturesModuleName, PicturesModuleEntry, argc, argv);
    }
    return RunModule(WindowsModuleName, WindowsModuleEntry, argc, argv);
}
