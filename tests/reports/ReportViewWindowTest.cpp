#include "app/ui/MainWindow.h"
#include "mail/ui/ModalRun.h"
#include "platform/ImageEncoder.h"
#include "platform/Paths.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintService.h"
#include "reports/ReportPicture.h"
#include "platform/ui/TextLine.h"
#include "reports/ui/ReportViewWindow.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QtTest>

namespace {
const QColor Grey(128, 128, 128);

QString MakePicture(const QString& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    image.save(path, "JPEG", 100);
    return path;
}

bool NearlyBlue(const QColor& colour)
{
    return colour.blue() > 200 && colour.red() < 60 && colour.green() < 60;
}
}

class ReportViewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyLook(*qobject_cast<QApplication*>(QCoreApplication::instance())); }
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    void largePictureIsScaledAndPlaced()
    {
        const QString path = MakePicture(QString::fromStdString(ReportsDir()) + "wide.jpg", 1600, 800);
        ReportViewWindow window(path, "wide.jpg");
        QCOMPARE(window.windowTitle(), QStringLiteral("To print Daily Report in color click on the F2 key"));
        QCOMPARE(window.size(), QSize(800, 600));
        window.show();
        const ViewerPlacement placement = window.Placement();
        QVERIFY(placement.draw);
        QCOMPARE(placement.width, 800);
        QCOMPARE(placement.height, 400);
        QCOMPARE(placement.y, 85);

        const QImage shown = window.grab().toImage();
        QVERIFY(NearlyBlue(shown.pixelColor(400, 85 + 200)));
        QVERIFY(NearlyBlue(shown.pixelColor(2, 86)));
        QCOMPARE(shown.pixelColor(400, 80), Grey);   // above the picture
        QCOMPARE(shown.pixelColor(400, 490), Grey);  // below it
    }

    void aFileThatIsNotAPictureDrawsNothing()
    {
        const QString path = QString::fromStdString(ReportsDir()) + "notes.jpg";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("plain text");
        file.close();
        ReportViewWindow window(path, "notes.jpg");
        window.show();
        QVERIFY(!window.Placement().draw);
        const QImage shown = window.grab().toImage();
        for (const QPoint point : {QPoint(0, 0), QPoint(400, 300), QPoint(799, 599), QPoint(197, 135)})
            QCOMPARE(shown.pixelColor(point), Grey);
    }

    void f2PrintsAndEnterCloses()
    {
        const QString path = MakePicture(QString::fromStdString(ReportsDir()) + "Ann.jpg", 400, 300);
        ReportViewWindow window(path, "Ann.jpg");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int dialogs = PrintService::dialogCount();
        PrintService::setNextCancel();
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(PrintService::dialogCount(), dialogs + 1);
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void openReportShowsTheChosenFile()
    {
        const QString path = MakePicture(QString::fromStdString(ReportsDir()) + "Ann 12-7-2026.jpg", 400, 300);
        MainWindow main;
        auto* openReport = main.findChild<QPushButton*>(QStringLiteral("openReport"));
        QVERIFY(openReport);
        QString shownPath, shownName;
        int viewers = 0;
        SetModalDriverForTesting([&](QDialog& dialog) {
            auto* viewer = qobject_cast<ReportViewWindow*>(&dialog);
            QVERIFY(viewer);
            ++viewers;
            shownPath = viewer->ImagePath();
            shownName = viewer->DisplayName();
            QCOMPARE(viewer->Placement().x, 197);
            QCOMPARE(viewer->Placement().y, 135);
        });
        FileDialog::setNextFileName(QString());
        openReport->click();
        QCOMPARE(viewers, 0);
        QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Select Daily Report"));
        QCOMPARE(FileDialog::lastFolder(), QString::fromStdString(ReportsDir()));

        FileDialog::setNextFileName(path);
        openReport->click();
        SetModalDriverForTesting({});
        QCOMPARE(viewers, 1);
        QCOMPARE(shownPath, path);
        QCOMPARE(shownName, QStringLiteral("Ann 12-7-2026.jpg"));
    }

    // The saved report keeps its text in the file (JPEG comment, PNG text), and the viewer
    // gives it to a screen reader; a picture without one is still named.
    void savedReportReadsAsText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("mime");
        QTest::newRow("jpeg") << QStringLiteral("Ann.jpg") << QByteArray("image/jpeg");
        QTest::newRow("png") << QStringLiteral("Ann.png") << QByteArray("image/png");
    }
    void savedReportReadsAsText()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, mime);
        DailyReadingSet set;
        set.title = "Daily Analysis - December 7, 2026  - Ann Lee -  Automatic Calibration";
        set.readings = {72, 45, 88, 30, 61};
        set.zodiacText = "Zodiac Sign: Sagittarius";
        set.lotteryText = "Lottery Numbers: 4 11 19 23 35 42";
        const QString path = QString::fromStdString(ReportsDir()) + name;
        QVERIFY(SaveImage(ComposeReportPicture(set, ReportVariant::Window), path, mime));
        ReportViewWindow window(path, name);
        // A JPEG comment comes back with its runs of blanks made one.
        const QString expected = "Daily report " + name + ": " + QString::fromStdString(set.title) +
                                 ". Zodiac Sign: Sagittarius. Lottery Numbers: 4 11 19 23 35 42. Emotional: 72%. "
                                 "Physical: 45%. Intellectual: 88%. Intuition: 30%. Fortune: 61%.";
        QCOMPARE(window.PictureText()->Text().simplified(), expected.simplified());
        ReportViewWindow plain(MakePicture(env->FilePath("plain.jpg"), 100, 100), "plain.jpg");
        QCOMPARE(plain.PictureText()->Text(), QStringLiteral("Daily report plain.jpg"));
    }

    void screenshot()
    {
        DailyReadingSet set;
        set.title = "Ann Lee - Monday, December 7, 2026";
        set.readings = {72, 45, 88, 30, 61};
        set.zodiacText = "Zodiac Sign: Sagittarius";
        set.soulNumberText = "Soul Number: 7";
        set.dayReadingText = "Day Reading: Good Day";
        set.evilEyeText = "Evil Eye: Low";
        set.lotteryText = "Lottery Numbers: 4 11 19 23 35 42";
        const QString path = QString::fromStdString(ReportsDir()) + "Ann.jpg";
        QVERIFY(SaveImage(ComposeReportPicture(set, ReportVariant::Window), path));
        ReportViewWindow window(path, "Ann.jpg");
        window.show();
        const QString folder = qEnvironmentVariable("MORAVEL_BINARY_DIR") + "/screenshots";
        QDir().mkpath(folder);
        QVERIFY(window.grab().save(folder + "/report-view-window.png"));
    }

private:
    std::optional<WindowTest::Session> env;
};

QTEST_MAIN(ReportViewWindowTest)
#include "ReportViewWindowTest.moc"
