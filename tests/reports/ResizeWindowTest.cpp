#include "content/ui/PageView.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "reports/ResizeRules.h"
#include "reports/ui/ResizeWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPushButton>
#include <QtTest>

namespace {
QString MakePicture(const QString& path, int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    image.setDotsPerMeterX(5905);  // 150 dpi
    image.setDotsPerMeterY(2953);  // 75 dpi
    image.save(path, format);
    return path;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

class ResizeWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qobject_cast<QApplication*>(QCoreApplication::instance())); }
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    void opensWithTheSourceSizeAndNothingToSave()
    {
        const QString source = MakePicture(QString::fromStdString(ReportsDir()) + "Ann.jpg", 1200, 900, "JPEG");
        ResizeWindow window(source);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quick Resize: Ann.jpg"));
        QCOMPARE(window.ResultPath(), QString::fromStdString(ReportsDir()) + "_T_Ann.jpg");
        QCOMPARE(window.SourceWidth(), 1200);
        QCOMPARE(window.SourceHeight(), 900);
        QVERIFY(window.ResizeBox()->isEnabled());
        QVERIFY(!window.ResizeBox()->isChecked());
        QVERIFY(!window.SaveButton()->isEnabled());
        QVERIFY(window.PercentageList()->isHidden());
        QCOMPARE(FileBytes(QString::fromStdString(InstallDir()) + "message.htm"),
                 QByteArray::fromStdString(SizePageBytes(1200, 900)));
        QTRY_COMPARE_WITH_TIMEOUT(window.SizePage()->CurrentFile(),
                                  QString::fromStdString(InstallDir()) + "message.htm", 20000);
        QVERIFY(MessageBox::history().isEmpty());
    }

    void percentagesGiveTruncatedSizesAndEnableSave()
    {
        const QString source = MakePicture(QString::fromStdString(ReportsDir()) + "Ann.jpg", 1200, 900, "JPEG");
        ResizeWindow window(source);
        window.show();
        QTest::mouseClick(window.ResizeBox(), Qt::LeftButton);
        QVERIFY(window.ResizeBox()->isChecked());
        QVERIFY(!window.PercentageList()->isHidden());
        QCOMPARE(window.PercentageList()->count(), 100);
        QCOMPARE(window.PercentageList()->itemText(0), QStringLiteral("100%"));
        QCOMPARE(window.PercentageList()->itemText(99), QStringLiteral("1%"));
        QCOMPARE(window.PercentageList()->currentIndex(), 0);
        QVERIFY(!window.SaveButton()->isEnabled());

        window.PercentageList()->setCurrentIndex(50);  // "50%"
        QCOMPARE(window.NewWidth(), 600);
        QCOMPARE(window.NewHeight(), 450);
        QVERIFY(window.SaveButton()->isEnabled());
        QCOMPARE(FileBytes(QString::fromStdString(InstallDir()) + "message.htm"),
                 QByteArray::fromStdString(SizePageBytes(600, 450)));

        window.PercentageList()->setCurrentIndex(99);  // "1%"
        QCOMPARE(window.NewWidth(), 12);
        QCOMPARE(window.NewHeight(), 9);

        window.PercentageList()->setCurrentIndex(0);  // "100%" cannot be saved
        QVERIFY(!window.SaveButton()->isEnabled());

        // Unticking disables Save; ticking again starts over at 100%.
        window.PercentageList()->setCurrentIndex(20);
        QVERIFY(window.SaveButton()->isEnabled());
        QTest::mouseClick(window.ResizeBox(), Qt::LeftButton);
        QVERIFY(!window.SaveButton()->isEnabled());
        QVERIFY(window.PercentageList()->isHidden());
        QCOMPARE(FileBytes(QString::fromStdString(InstallDir()) + "message.htm"),
                 QByteArray::fromStdString(SizePageBytes(1200, 900)));
        QTest::mouseClick(window.ResizeBox(), Qt::LeftButton);
        QCOMPARE(window.PercentageList()->currentIndex(), 0);
        QCOMPARE(window.NewWidth(), 1200);
        QCOMPARE(window.NewHeight(), 900);
        QVERIFY(!window.SaveButton()->isEnabled());
    }

    void smallSidesAreRaisedToOne()
    {
        const QString source = MakePicture(QString::fromStdString(ReportsDir()) + "tiny.png", 150, 99, "PNG");
        ResizeWindow window(source);
        window.ResizeBox()->click();
        window.PercentageList()->setCurrentIndex(99);
        QCOMPARE(window.NewWidth(), 1);
        QCOMPARE(window.NewHeight(), 1);
        QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
        QVERIFY(window.Produced());
        QCOMPARE(QImage(window.ResultPath()).size(), QSize(1, 1));
    }

    void savesAsTheSourceFormatKeepingResolution()
    {
        QDir(QString::fromStdString(env->Root())).mkpath("elsewhere");
        const QString source =
            MakePicture(QString::fromStdString(env->Root()) + "/elsewhere/Upper.PNG", 400, 300, "PNG");
        const QByteArray before = FileBytes(source);
        ResizeWindow window(source);
        window.ResizeBox()->click();
        window.PercentageList()->setCurrentIndex(75);  // 25%
        QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(window.Produced());
        const QString result = QString::fromStdString(ReportsDir()) + "_T_Upper.PNG";
        QCOMPARE(window.ResultPath(), result);
        QVERIFY(FileBytes(result).startsWith("\x89PNG"));
        QImageReader reader(result);
        QCOMPARE(reader.size(), QSize(100, 75));
        const QImage written = reader.read();
        QVERIFY(!written.hasAlphaChannel());
        QCOMPARE(written.dotsPerMeterX(), 5905);
        QCOMPARE(written.dotsPerMeterY(), 2953);
        QCOMPARE(QColor(written.pixel(50, 37)), QColor(200, 40, 40));
        QCOMPARE(FileBytes(source), before);  // the source is never changed
    }

    void longExtensionsAreWrittenAsJpegUnderTheirOwnName()
    {
        QDir(QString::fromStdString(env->Root())).mkpath("elsewhere");
        const QString source =
            MakePicture(QString::fromStdString(env->Root()) + "/elsewhere/photo.jpeg", 300, 200, "PNG");
        ResizeWindow window(source);
        window.ResizeBox()->click();
        window.PercentageList()->setCurrentIndex(50);
        window.SaveButton()->click();
        QVERIFY(window.Produced());
        const QString result = QString::fromStdString(ReportsDir()) + "_T_photo.jpeg";
        QVERIFY(FileBytes(result).startsWith("\xFF\xD8"));
        QCOMPARE(QImage(result).size(), QSize(150, 100));
    }

    void anEarlierCopyIsRemovedOnOpening()
    {
        const QString source = MakePicture(QString::fromStdString(ReportsDir()) + "Ann.jpg", 100, 100, "JPEG");
        const QString old = QString::fromStdString(ReportsDir()) + "_T_Ann.jpg";
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("stale");
        file.close();
        QFile::setPermissions(old, QFile::ReadOwner);
        ResizeWindow window(source);
        QVERIFY(!QFile::exists(old));
        QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.Produced());
        QVERIFY(!QFile::exists(old));
    }

    // Bytes that are no picture, and a picture whose header is whole but whose
    // data is cut short: neither can be loaded, so neither can be resized.
    void aFileThatIsNoPictureCanOnlyBeCancelled()
    {
        const QString reports = QString::fromStdString(ReportsDir());
        QFile broken(reports + "broken.jpg");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        QFile cut(MakePicture(reports + "cut.png", 400, 300, "PNG"));
        QVERIFY(cut.open(QIODevice::ReadWrite));
        QVERIFY(cut.resize(120));
        cut.close();

        for (const QString& name : {QStringLiteral("broken.jpg"), QStringLiteral("cut.png")}) {
            MessageBox::clearHistory();
            ResizeWindow window(reports + name);
            QCOMPARE(MessageBox::history().size(), 1);
            QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Unable to open: ") + name);
            QCOMPARE(MessageBox::history()[0].icon, MessageBox::Stop);
            QVERIFY(!window.ResizeBox()->isEnabled());
            QVERIFY(!window.SaveButton()->isEnabled());
            QCOMPARE(FileBytes(QString::fromStdString(InstallDir()) + "message.htm"),
                     QByteArray::fromStdString(SizePageBytes(0, 0)));
        }
    }

    void aFailedResizeIsReportedAndStillClosesWithSave()
    {
        if (HasEncoder("image/gif"))
            QSKIP("this system writes GIF pictures");
        const QString source = MakePicture(QString::fromStdString(ReportsDir()) + "anim.gif", 200, 200, "PNG");
        ResizeWindow window(source);
        window.ResizeBox()->click();
        window.PercentageList()->setCurrentIndex(10);
        window.SaveButton()->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.Produced());
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Unable to resize selected report.     "));
        QVERIFY(!QFile::exists(window.ResultPath()));
    }

    void screenshot()
    {
        const QString source = MakePicture(QString::fromStdString(ReportsDir()) + "Ann.jpg", 780, 550, "JPEG");
        ResizeWindow window(source);
        window.show();
        window.ResizeBox()->click();
        window.PercentageList()->setCurrentIndex(40);
        QTest::qWait(1500);  // let the page view draw the size page
        const QString folder = qEnvironmentVariable("MORAVEL_BINARY_DIR") + "/screenshots";
        QDir().mkpath(folder);
        QVERIFY(window.grab().save(folder + "/resize-window.png"));
    }

private:
    std::optional<WindowTest::Session> env;
};

QTEST_MAIN(ResizeWindowTest)
#include "ResizeWindowTest.moc"
