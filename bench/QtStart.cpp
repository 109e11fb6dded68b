// The floor for a scheduled run: a Qt program that starts on the offscreen
// platform and ends at once.
#include <QGuiApplication>
#include <cstdlib>

int main(int argc, char* argv[])
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return 0;
}
