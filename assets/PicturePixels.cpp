// Build tool: writes a picture's pixels as the windows draw them, so that a start
// shows its built-in pictures without decoding them. The file is "MRVP", the width
// and the height (32 bits each), then premultiplied ARGB32 rows, all in the byte
// order of the machine that builds, which is the one that runs them.
// Usage: PicturePixels picture.png picture.pixels
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3)
        return 2;
    const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (picture.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "PicturePixels: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    const quint32 size[2] = {quint32(picture.width()), quint32(picture.height())};
    out.write("MRVP", 4);
    out.write(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < picture.height(); ++y)
        out.write(reinterpret_cast<const char*>(picture.constScanLine(y)), qint64(picture.width()) * 4);
    return out.error() == QFile::NoError ? 0 : 1;
}
