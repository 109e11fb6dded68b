#include "platform/Paths.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/PrintService.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/MonthChartView.h"
#include "reports/ui/MonthViewWindow.h"
#include "support/WindowTest.h"

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(Date)

class MonthViewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<Date>();
        env.emplace(Date{6, 1, 2005});
        profile = InstallDir() + "Anna.ini";
        WindowTest::WriteFile(profile, "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n");
    }
    void cleanupTestCase() { env.reset(); }

    void chartTextAndStepping()
    {
        MonthViewWindow window(profile, {3, 15, 2004});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* chart = window.findChild<MonthChartView*>();
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Month at a Glance - February 29, 2004 to March 30, 2004  - Anna Lee -"));
        QCOMPARE(window.Chart().chosen, 15);
        QCOMPARE(window.DayText(), QStringLiteral("March 15, 2004, Normal Day: Emotional 99, Physical 20, "
                                                  "Intellectual 50, Intuition 10, Fortune 10"));
        // The screen reader's table: one line per day, the chosen one among them.
        const QStringList table = chart->accessibleDescription().split(QLatin1Char('\n'));
        QCOMPARE(table.size(), 31);
        QCOMPARE(table.at(15), window.DayText());
        QVERIFY(chart->hasFocus());

        QTest::keyClick(chart, Qt::Key_Right);
        QVERIFY(window.Chosen() == (Date{3, 16, 2004}));
        QTest::keyClick(chart, Qt::Key_PageDown);
        QVERIFY(window.Chosen() == (Date{4, 16, 2004}));
        QVERIFY(window.Chart().range.first == (Date{4, 1, 2004}));
        QTest::keyClick(chart, Qt::Key_PageUp);
        QTest::keyClick(chart, Qt::Key_PageUp);
        QVERIFY(window.Chosen() == (Date{2, 16, 2004}));
        // Past the range's end the range moves on by a day.
        window.Choose(DateInRange(window.Chart().range, 30));
        const Date first = window.Chart().range.first;
        QTest::keyClick(chart, Qt::Key_Right);
        QVERIFY(window.Chart().range.first == DayStep(first, 1));
        QCOMPARE(window.Chart().chosen, 30);
        const Date before = window.Chosen();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("prevMonth")), Qt::LeftButton);
        QVERIFY(window.Chosen() == MonthStep(before, -1));

        // Hovering chooses the day under the mouse; a click or Return asks for its daily report.
        QSignalSpy chosen(&window, &MonthViewWindow::dayChosen);
        const MonthChartLayout layout = LayoutMonthChart(chart->width(), chart->height(), 31);
        QTest::mouseMove(chart, QPoint(int(layout.DayX(3)), int(layout.ValueY(50))));
        QCOMPARE(window.Chart().chosen, 3);
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(int(layout.DayX(5)), int(layout.ValueY(50))));
        QTest::keyClick(chart, Qt::Key_Return);
        QCOMPARE(chosen.size(), 2);
        QVERIFY(chosen.at(0).at(0).value<Date>() == DateInRange(window.Chart().range, 5));
        QVERIFY(chosen.at(1).at(0).value<Date>() == DateInRange(window.Chart().range, 5));
    }

    void savesPrivatePicturesAndNeverThroughALink()
    {
        MonthViewWindow window(profile, {3, 15, 2004});
        window.show();
        const QString png = env->FilePath(QStringLiteral("month.png"));
        const QString jpg = env->FilePath(QStringLiteral("month.jpg"));
        const QString target = env->FilePath(QStringLiteral("target"));
        WindowTest::WriteFile(target.toStdString(), "keep");
        QFile::link(target, jpg);
        for (const QString& path : {png, jpg}) {
            MessageBox::clearHistory();
            FileDialog::setNextFileName(path);
            window.Save();
            QCOMPARE(WindowTest::Shown(), QStringList{QStringLiteral("The month chart was saved.")});
            QImageReader reader(path);
            QCOMPARE(reader.format(), path.endsWith(QStringLiteral(".png")) ? QByteArray("png") : QByteArray("jpeg"));
            QCOMPARE(reader.size(), QSize(780, 550));
            struct stat info {};
            QCOMPARE(::lstat(QFile::encodeName(path).constData(), &info), 0);
            QVERIFY(S_ISREG(info.st_mode));
            QCOMPARE(info.st_mode & 0777, 0600u);
        }
        QCOMPARE(WindowTest::ReadFile(target.toStdString()), std::string("keep"));
        // The saved picture is the chart: every curve's colour is in it.
        const QImage picture(png);
        for (const QColor colour :
             {QColor(0, 0, 255), QColor(255, 0, 0), QColor(255, 255, 255), QColor(0, 255, 0), QColor(255, 255, 0)}) {
            bool found = false;
            for (int y = 0; y < picture.height() && !found; ++y)
                for (int x = 0; x < picture.width() && !found; ++x)
                    found = picture.pixelColor(x, y) == colour;
            QVERIFY2(found, qPrintable(colour.name()));
        }
    }

    void printsWithinThePageUnderItsTitle()
    {
        MonthViewWindow window(profile, {3, 15, 2004});
        const QString pdf = env->FilePath(QStringLiteral("month.pdf"));
        PrintService::setNextPdfOutput(pdf);
        window.Print();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(60000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        const auto field = [](const QString& name, const QString& value) {
            return QRegularExpression(name + QStringLiteral(": +") + QRegularExpression::escape(value) + '\n');
        };
        QVERIFY2(text.contains(field(QStringLiteral("Title"), window.windowTitle())), qPrintable(text));
        QVERIFY2(text.contains(field(QStringLiteral("Pages"), QStringLiteral("1"))), qPrintable(text));
    }

    // M in the daily window (its key is tried on the real display) opens the month around its day; a chosen day goes to whoever opens daily windows.
    void openedFromTheDailyWindow()
    {
        DailyAnalysisWindow daily;
        daily.SetProfileFile(profile);
        daily.SetBaseDate({3, 15, 2004});
        daily.SetShownDate({3, 15, 2004});
        daily.show();
        daily.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&daily));
        QSignalSpy requested(&daily, &DailyAnalysisWindow::dayWindowRequested);
        Date opened;
        QTimer::singleShot(0, [&opened] {
            auto* month = qobject_cast<MonthViewWindow*>(QApplication::activeModalWidget());
            QVERIFY(month);
            opened = month->Chosen();
            QTest::keyClick(month->findChild<MonthChartView*>(), Qt::Key_Return);
            month->reject();
        });
        QTest::mouseClick(daily.Button(QStringLiteral("M")), Qt::LeftButton);
        QVERIFY(opened == (Date{3, 15, 2004}));
        QCOMPARE(requested.size(), 1);
        QVERIFY(requested.at(0).at(0).value<Date>() == (Date{3, 15, 2004}));
    }

private:
    std::optional<WindowTest::Session> env;
    std::string profile;
};

QTEST_MAIN(MonthViewWindowTest)
#include "MonthViewWindowTest.moc"
