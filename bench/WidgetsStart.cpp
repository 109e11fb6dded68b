// The yardstick of the interactive start: a Qt Widgets program that shows one
// window and ends as soon as its event loop runs. Given "text", the window
// shows one line of text, so the font set-up every real window pays is counted.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        (new QLabel(QStringLiteral("A bare window"), &window))->move(20, 20);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
