// The yardstick of the interactive start: a Qt Widgets program that shows one
// empty window and ends as soon as its event loop runs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
