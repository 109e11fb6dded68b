#include "app/CommandLine.h"
#include "app/PictureCommand.h"
#include "app/PictureDelivery.h"
#include "app/PlainStart.h"

#include <cstdio>

// The entry of Kestrane's pictures module (app/ModuleLoader.h): the picture command
// and the scheduled run that mails the picture, given the command line as Kestrane
// was started with it.
extern "C" __attribute__((visibility("default"))) int KestranePicturesMain(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = ReadCommandLine(argv[0] ? argv[0] : "", arguments);
    if (command.kind == CommandKind::Picture && command.error.empty())
        return RunPictureCommand(command);
    const PlainStart start = RunPlainStart(argc, argv);
    if (start.status)
        return *start.status;
    if (command.kind == CommandKind::None && start.mode.unattended)
        return RunPictureDelivery(argc, argv, start.mode.task);
    std::fprintf(stderr, "Kestrane: the pictures module starts no windows\n");
    return 1;
}
