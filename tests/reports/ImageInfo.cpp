// Decodes a picture and prints "WIDTHxHEIGHT"; exit status 1 when it cannot be read.
#include <QCoreApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull())
        return 1;
    std::printf("%dx%d\n", image.width(), image.height());
    return 0;
}
