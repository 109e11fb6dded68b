#include "engine/ui/HourlyWindow.h"
#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintService.h"
#include "reports/ui/Printing.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QtTest>

namespace {
bool IsBlue(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60 && qGreen(pixel) < 60;
}

// Pixels of one colour inside a rectangle of the picture.
int CountColour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                ++count;
    return count;
}

const QRgb Yellow = qRgb(255, 255, 0);
const QRgb White = qRgb(255, 255, 255);
}

class HourlyWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env.emplace(); }
    void cleanupTestCase() { env.reset(); }

    void flatDaysRiseTwiceAndAreStored()
    {
        HourlyWindow window({50, 50, 50}, QStringLiteral("Hourly Analysis - x"), QStringLiteral("Heading"));
        window.show();
        const QImage shot = window.grab().toImage();
        QCOMPARE(window.Values().previousValue, 50);
        QCOMPARE(window.Values().dayValue, 51);
        QCOMPARE(window.Values().nextValue, 52);
        QCOMPARE(window.windowTitle(), QStringLiteral("Hourly Analysis - x"));
        const int top = static_cast<int>(window.ChartTop());
        // Both phase words in yellow, none in white.
        for (int x : {150, 480}) {
            const QRect word(x, top + 320, 120, 30);
            QVERIFY(CountColour(shot, word, Yellow) > 20);
            QCOMPARE(CountColour(shot, word, White), 0);
        }
        // A repaint keeps the stored values.
        window.grab();
        QCOMPARE(window.Values().nextValue, 52);
    }

    void fallingDayDrawsFiveLessEachHour()
    {
        HourlyWindow window({80, 25, 40}, QStringLiteral("t"), QStringLiteral("h"));
        window.show();
        const QImage shot = window.grab().toImage();
        const double top = window.ChartTop();
        for (int h = 1; h <= 11; ++h) {
            const int x = 54 + 27 * h + 12;
            const double barTop = top + 403 - 3 * (80 - 5 * h);
            QVERIFY2(IsBlue(shot.pixel(x, static_cast<int>(barTop) + 2)), qPrintable(QString::number(h)));
            QVERIFY2(!IsBlue(shot.pixel(x, static_cast<int>(barTop) - 2)), qPrintable(QString::number(h)));
        }
        QVERIFY(CountColour(shot, QRect(150, static_cast<int>(top) + 320, 120, 30), White) > 20);
    }

    void zeroShowsAsThree()
    {
        HourlyWindow window({0, 0, 0}, QStringLiteral("t"), QStringLiteral("h"));
        window.show();
        window.grab();
        QCOMPARE(window.Values().previousValue, 3);
        QCOMPARE(window.Values().dayValue, 4);
        QCOMPARE(window.Values().nextValue, 5);
    }

    void shortWindowDrawsAtTwenty()
    {
        HourlyWindow window({50, 60, 70}, QStringLiteral("t"), QStringLiteral("Hourly Analysis: Physical"));
        window.setFixedSize(758, 400);
        window.show();
        QCOMPARE(window.ChartTop(), 20.0);
        const QImage shot = window.grab().toImage();
        QVERIFY(CountColour(shot, QRect(20, 20, 200, 14), Yellow) > 20);  // the heading
        QCOMPARE(CountColour(shot, QRect(20, 4, 200, 14), Yellow), 0);
    }

    void printSavesEachTimeAndCloseRemoves()
    {
        const QString hourly = QString::fromStdString(InstallDir()) + QStringLiteral("hourly.jpg");
        HourlyWindow window({40, 60, 20}, QStringLiteral("Hourly Analysis - y"), QStringLiteral("h"));
        connect(&window, &HourlyWindow::printSavedImage, &window,
                [&window] { PrintHourlyReport(window.windowTitle()); });
        window.show();
        QCOMPARE(window.PrintButton()->focusPolicy(), Qt::StrongFocus);  // a Tab stop
        const int dialogs = PrintService::dialogCount();

        PrintService::setNextCancel();
        QTest::keyClick(&window, Qt::Key_F2);
        QVERIFY(QFile::exists(hourly));
        QFile file(hourly);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("stale");
        file.close();

        PrintService::setNextCancel();
        QTest::keyClick(&window, Qt::Key_F2);
        const QImage saved(hourly);
        QCOMPARE(saved.size(), QSize(800, 480));
        QCOMPARE(PrintService::dialogCount(), dialogs + 2);
        // The grey canvas with the black title line and no advice sentences.
        QCOMPARE(saved.pixelColor(790, 470).red() / 8, 128 / 8);
        QVERIFY(MessageBox::history().isEmpty());

        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(!QFile::exists(hourly));
    }

private:
    std::optional<WindowTest::Session> env;
};

QTEST_MAIN(HourlyWindowTest)
#include "HourlyWindowTest.moc"
