// A stand-in for the interactive program: holds the folder's lock, or asks the holder
// to show itself. It says which on standard output.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(argv[1]);
    if (!instance.IsFirst()) {
        std::printf(instance.AskFirstToShow() ? "second, asked\n" : "second, not asked\n");
        return 0;
    }
    instance.OnShowRequest([] {
        std::printf("shown\n");
        std::fflush(stdout);
    });
    std::printf("first\n");
    std::fflush(stdout);
    return app.exec();
}
