// A stand-in for the interactive program: holds the folder's lock, or asks the holder
// to show itself with the request given as the second argument. It says which on
// standard output, and the requests it was handed.
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
        std::printf(instance.AskFirstToShow(argc > 2 ? argv[2] : "") ? "second, asked\n" : "second, not asked\n");
        return 0;
    }
    instance.OnShowRequest([](const std::vector<std::string>& requests) {
        std::printf("shown");
        for (const std::string& request : requests)
            std::printf(" [%s]", request.c_str());
        std::printf("\n");
        std::fflush(stdout);
    });
    std::printf("first\n");
    std::fflush(stdout);
    return app.exec();
}
