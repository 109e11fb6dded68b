#include "platform/ImageEncoder.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {
// Flat areas and soft edges, as report pictures have.
QImage SamplePicture()
{
    QImage image(780, 550, QImage::Format_RGB888);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 40));
    painter.drawLine(185, 497, 185, 200);
    painter.setPen(QPen(Qt::yellow, 4));
    painter.drawEllipse(QRect(300, 100, 200, 150));
    return image;
}
}

class ImageEncoderTest : public QObject {
    Q_OBJECT

private slots:
    void encoderIsFoundByMimeType()
    {
        QVERIFY(HasEncoder("image/jpeg"));
        QVERIFY(!HasEncoder("image/jpg"));
        QTemporaryDir dir;
        const QImage composed = SamplePicture();
        QVERIFY(!SaveImage(composed, dir.filePath("x.jpg"), "image/x-none"));
        QVERIFY(!SaveImage(composed, dir.filePath("missing/folder/x.jpg")));
        QVERIFY(!QFile::exists(dir.filePath("x.jpg")));
        // A failed save leaves an earlier picture as it was.
        const QString path = dir.filePath("keep.jpg");
        QVERIFY(SaveImage(composed, path));
        const qint64 size = QFileInfo(path).size();
        QVERIFY(!SaveImage(QImage(), path));
        QCOMPARE(QFileInfo(path).size(), size);
    }

    // A link in the picture's place, dangling or not, is replaced: its target is never written.
    void linksInThePicturesPlaceAreNotFollowed()
    {
        QTemporaryDir dir;
        QFile victim(dir.filePath("victim"));
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.write("mine");
        victim.close();
        const QString outside = dir.filePath("outside.jpg");
        for (const QString& target : {outside, dir.filePath("victim")}) {
            const QString path = dir.filePath("report.jpg");
            QFile::remove(path);
            QVERIFY(QFile::link(target, path));
            QVERIFY(SaveImage(SamplePicture(), path));
            QVERIFY(!QFileInfo(path).isSymLink());
            QVERIFY(QFileInfo(path).size() > 1000);
        }
        QVERIFY(!QFile::exists(outside));
        QCOMPARE(QFileInfo(dir.filePath("victim")).size(), 4);
        // A new picture is private; one saved over keeps the mode its owner gave it.
        const QByteArray saved = QFile::encodeName(dir.filePath("report.jpg"));
        struct stat info {};
        QVERIFY(::stat(saved.constData(), &info) == 0 && (info.st_mode & 0777) == 0600);
        QVERIFY(::chmod(saved.constData(), 0640) == 0 && SaveImage(SamplePicture(), dir.filePath("report.jpg")));
        QVERIFY(::stat(saved.constData(), &info) == 0 && (info.st_mode & 0777) == 0640);

        // Reading: the saved picture comes back; a FIFO or a device named .jpg never blocks.
        QCOMPARE(ReadPicture(dir.filePath("report.jpg")).size(), QSize(780, 550));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.jpg")).constData(), 0600) == 0);
        QVERIFY(ReadPicture(dir.filePath("fifo.jpg")).isNull());
        QVERIFY(ReadPicture(QStringLiteral("/dev/zero")).isNull());
    }

    // The encoder is reached without Qt's writer, yet writes what it writes, for
    // a plugin format (JPEG) and a built-in one (PNG).
    void savedBytesMatchQtsWriter()
    {
        QTemporaryDir dir;
        const QImage composed = SamplePicture();
        for (const auto& [mimeType, format] : {std::pair{"image/jpeg", "jpeg"}, std::pair{"image/png", "png"}}) {
            const QString path = dir.filePath(QStringLiteral("saved.") + format);
            QVERIFY(SaveImage(composed, path, mimeType));
            QBuffer expected;
            expected.open(QIODevice::WriteOnly);
            QImageWriter writer(&expected, format);
            if (qstrcmp(format, "png") != 0)
                writer.setQuality(100);  // JPEG's best; PNG keeps its compression
            QVERIFY(writer.write(composed));
            QFile saved(path);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY2(saved.readAll() == expected.data(), format);
        }
    }
};

QTEST_MAIN(ImageEncoderTest)
#include "ImageEncoderTest.moc"
