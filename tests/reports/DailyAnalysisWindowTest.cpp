#include "engine/ui/HourlyWindow.h"
#include "platform/Calendar.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintService.h"
#include "platform/ui/TextLine.h"
#include "reports/DailyReadingSet.h"
#include "reports/ReadingLines.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "support/ModalPageCatcher.h"
#include "support/WindowTest.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Date)

namespace {
const char* const StepCaptions[] = {"Prev Day", "Next Day", "Now", "E", "P", "B", "I", "F", "S"};

// Which of Prev Day, Next Day, Now, E..F and S are enabled, as "1"/"0".
QString Enabled(const DailyAnalysisWindow& window)
{
    QString states;
    for (const char* caption : StepCaptions)
        states += window.Button(QString::fromLatin1(caption))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return states;
}

bool Same(const Date& a, const Date& b)
{
    return a == b;
}
}

class DailyAnalysisWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        env.emplace(Date{6, 1, 2005});
        profile = InstallDir() + "Anna.ini";
        QFile file(QString::fromStdString(profile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Profile:Anna\nName:Anna Lee\nYourMonth:7\nYourDate:4\nYourYear:1968\n");
    }

    void init() { MessageBox::clearHistory(); }
    void cleanupTestCase() { env.reset(); }

    void titleAndStepping()
    {
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration"));
        QCOMPARE(Enabled(window), QStringLiteral("110111111"));
        QCOMPARE(window.Button(QStringLiteral("E"))->toolTip(), QStringLiteral("emotional reading hourly"));
        QCOMPARE(window.Button(QStringLiteral("Explain"))->toolTip(), QStringLiteral("explain all readings"));
        QVERIFY(window.Button(QStringLiteral("Now"))->toolTip().isEmpty());
        QVERIFY(window.Button(QStringLiteral("Print"))->isDefault());

        QTest::mouseClick(window.Button(QStringLiteral("Prev Day")), Qt::LeftButton);
        QVERIFY(Same(window.ShownDate(), {3, 14, 2004}));
        QCOMPARE(Enabled(window), QStringLiteral("011000001"));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Daily Analysis - March 14, 2004  - ")));

        // Steps go from the base date: the day after it, not back to it.
        QTest::mouseClick(window.Button(QStringLiteral("Next Day")), Qt::LeftButton);
        QVERIFY(Same(window.ShownDate(), {3, 16, 2004}));
        QCOMPARE(Enabled(window), QStringLiteral("101000001"));

        QTest::mouseClick(window.Button(QStringLiteral("Now")), Qt::LeftButton);
        QVERIFY(Same(window.ShownDate(), {3, 15, 2004}));
        QCOMPARE(Enabled(window), QStringLiteral("110111111"));
        QVERIFY(Same(window.BaseDate(), {3, 15, 2004}));
    }

    void stepsAcrossTheYearEnd()
    {
        DailyAnalysisWindow window;
        Open(window, {12, 31, 2004});
        QTest::mouseClick(window.Button(QStringLiteral("Next Day")), Qt::LeftButton);
        QVERIFY(Same(window.ShownDate(), {1, 1, 2005}));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Daily Analysis - January 1, 2005  - ")));
    }

    // Any listed day steps to its neighbours; stepping stops at the ends of the lists.
    void stepsFromAnyListedDayUpToTheEnds_data()
    {
        QTest::addColumn<Date>("base");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<Date>("before");
        QTest::addColumn<Date>("after");
        QTest::newRow("1960") << Date{6, 1, 1960} << "110111111" << Date{5, 31, 1960} << Date{6, 2, 1960};
        QTest::newRow("first") << Date{1, 1, 1900} << "010111111" << Date{1, 1, 1900} << Date{1, 2, 1900};
        QTest::newRow("1900 no leap") << Date{3, 1, 1900} << "110111111" << Date{2, 28, 1900} << Date{3, 2, 1900};
        QTest::newRow("last") << Date{12, 31, 2099} << "100111111" << Date{12, 30, 2099} << Date{12, 31, 2099};
    }
    void stepsFromAnyListedDayUpToTheEnds()
    {
        QFETCH(Date, base);
        DailyAnalysisWindow window;
        Open(window, base);
        QTEST(Enabled(window), "enabled");
        window.PrevDay();
        QTEST(window.ShownDate(), "before");
        window.Now();
        QTEST(Enabled(window), "enabled");
        window.NextDay();
        QTEST(window.ShownDate(), "after");
        QVERIFY(MessageBox::history().isEmpty());
    }

    void hourlyWindowShowsTheBaseDayAfterwards()
    {
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        QTest::mouseClick(window.Button(QStringLiteral("Next Day")), Qt::LeftButton);
        QTest::mouseClick(window.Button(QStringLiteral("Now")), Qt::LeftButton);

        QString title;
        QString heading;
        HourlyValues values;
        QTimer::singleShot(0, [&] {
            auto* hourly = qobject_cast<HourlyWindow*>(QApplication::activeModalWidget());
            QVERIFY(hourly);
            title = hourly->windowTitle();
            heading = hourly->ChartHeading();
            values = hourly->Values();
            hourly->close();
        });
        QTest::mouseClick(window.Button(QStringLiteral("B")), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Hourly Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration"
                                       "   Reading -Intellectual"));
        QCOMPARE(heading, QStringLiteral("Hourly Analysis: Intellectual  [24 Hours Scale]"));
        QString ignored;
        QCOMPARE(values.previousValue, window.HourlyDayValue(3, {3, 14, 2004}, ignored));
        QCOMPARE(values.nextValue, window.HourlyDayValue(3, {3, 16, 2004}, ignored));
        QVERIFY(Same(window.ShownDate(), {3, 15, 2004}));
        QCOMPARE(Enabled(window), QStringLiteral("110111111"));
    }

    void peakBarReachesItsLabel()
    {
        // Find a day with a reading at the 99 limit.
        const Date base{3, 15, 2004};
        Date day = base;
        int cycle = -1;
        for (int i = 0; i < 200 && cycle < 0; ++i) {
            day = DayAfter(day);
            DailyReadingSet set;
            ComputeDailyReadingSet(set, profile, day.year, day.month, day.day);
            for (int c = 0; c < CycleCount && cycle < 0; ++c)
                if (set.readings[static_cast<std::size_t>(c)] == 99)
                    cycle = c;
        }
        QVERIFY(cycle >= 0);
        DailyAnalysisWindow window;
        Open(window, day);
        const QImage shot = window.grab().toImage();
        const int barX[] = {185, 290, 400, 506, 620};
        const QRgb colours[] = {qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(0, 255, 0),
                                qRgb(255, 255, 0)};
        const int x = barX[cycle];
        // The bar's top edge at reportTop + 161, on a pixel boundary or halfway through one.
        const int top = static_cast<int>(std::ceil(window.ReportTop() + 161));
        QCOMPARE(shot.pixel(x, top), colours[cycle]);
        QCOMPARE(shot.pixel(x - 19, top + 150), colours[cycle]);
        QCOMPARE(shot.pixel(x, static_cast<int>(window.ReportTop()) + 457), colours[cycle]);
        QVERIFY(shot.pixel(x, top - 2) != colours[cycle]);
        QVERIFY(shot.pixel(x, top - 1) != colours[cycle]);
        QCOMPARE(shot.pixel(x + 21, top + 150), window.palette().color(QPalette::Window).rgb());  // the face beside it
    }

    void saveCancelledWrittenAndFailed()
    {
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        FileDialog::setNextFileName(QString());
        QTest::mouseClick(window.Button(QStringLiteral("Save")), Qt::LeftButton);
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(window.SavedReportPath().isEmpty());
        QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Save Report"));
        QCOMPARE(FileDialog::lastFolder(), QString::fromStdString(ReportsDir()));

        const QString path = QString::fromStdString(ReportsDir()) + QStringLiteral("march.jpg");
        FileDialog::setNextFileName(path);
        QTest::mouseClick(window.Button(QStringLiteral("Save")), Qt::LeftButton);
        QCOMPARE(window.SavedReportPath(), path);
        QCOMPARE(QImage(path).size(), QSize(780, 550));
        QCOMPARE(MessageBox::history().last().text, QStringLiteral("Your Daily Report was saved successfully.     "));
        QCOMPARE(MessageBox::history().last().icon, MessageBox::Information);
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), QString::fromStdString(InstallDir()));

        // Cancelling later keeps the earlier picture's path.
        FileDialog::setNextFileName(QString());
        window.Save();
        QCOMPARE(window.SavedReportPath(), path);

        const QString unwritable = QString::fromStdString(ReportsDir()) + QStringLiteral("missing/x.jpg");
        FileDialog::setNextFileName(unwritable);
        window.Save();
        QCOMPARE(MessageBox::history().last().text, QStringLiteral("Unable to save Daily Report.    "));
        QCOMPARE(MessageBox::history().last().icon, MessageBox::Stop);
        QCOMPARE(window.SavedReportPath(), path);  // still the picture that exists
    }

    void printButtonPrintsTheTitle()
    {
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        const QString pdf = env->FilePath(QStringLiteral("window.pdf"));
        PrintService::setNextPdfOutput(pdf);
        QTest::mouseClick(window.Button(QStringLiteral("Print")), Qt::LeftButton);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY(printed.contains(window.windowTitle().simplified()));
        QVERIFY(printed.contains(QString::fromStdString(window.ReadingSet().lotteryText).simplified()));
        QVERIFY(window.isVisible());
    }

    void explainWritesTheHelpPages()
    {
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        ModalPageCatcher catcher;
        catcher.Arm();
        QTest::mouseClick(window.Button(QStringLiteral("Explain")), Qt::LeftButton);
        QVERIFY(catcher.seen);
        QCOMPARE(catcher.title, QStringLiteral(" Daily Analysis - How To Use"));
        QCOMPARE(catcher.size, QSize(700, 480));
        QVERIFY(QFile::exists(QString::fromStdString(InstallDir()) + QStringLiteral("effects.htm")));
        QFile content(QString::fromStdString(InstallDir()) + QStringLiteral("reading.htm"));
        QVERIFY(content.open(QIODevice::ReadOnly));
        const QByteArray page = content.readAll();
        qsizetype at = 0;
        for (const char* opening :
             {"Daily Report Analysis Explained",
              "Zodiac Sign and Soul Number readings are explained in the Profiles section.",
              "Day Reading falls into three categories: normal, good and bad.", "The fear of the Evil Eye is universal",
              "Lottery numbers are unique daily lucky numbers.",
              "Other Day Readings graph your emotional, physical, intellectual, intuition and fortune highs and lows "
              "for you.",
              "</td></tr></table><p><br></center></body></html>"}) {
            const qsizetype found = page.indexOf(opening, at);
            QVERIFY2(found > at, opening);
            at = found;
        }
    }

    // A screen reader reads each line as text; a day step by key keeps the focus on the day
    // buttons and says the new day there, while a click leaves the focus where it always went.
    void readingsAsTextAndDayStepsByKey()
    {
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto texts = [&] {
            QStringList lines;
            for (TextLine* line : window.ReadingLines().Lines()) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(line);
                QAccessibleTextInterface* text = face->textInterface();
                const QString read = text->text(0, text->characterCount());
                lines << (face->text(QAccessible::Name) == read ? read : QStringLiteral("name differs: ") + read);
            }
            return lines;
        };
        const auto expected = [&] {
            QStringList lines;
            for (const std::string& line : ::ReadingLines(window.ReadingSet()))
                lines << QString::fromStdString(line);
            return lines;
        };
        QCOMPARE(texts().size(), 10);
        QCOMPARE(texts(), expected());
        QVERIFY(texts().first().startsWith(QStringLiteral("Zodiac Sign: ")));
        QVERIFY(texts().last().startsWith(QStringLiteral("Fortune: ")));
        QPushButton* print = window.Button(QStringLiteral("Print"));
        QCOMPARE(QApplication::focusWidget(), print);

        // Page Down: the focus stays where it is and says the day.
        QTest::keyClick(print, Qt::Key_PageDown);
        QVERIFY(Same(window.ShownDate(), {3, 16, 2004}));
        QCOMPARE(texts(), expected());
        QCOMPARE(QApplication::focusWidget(), print);
        const QString said = print->accessibleDescription();
        QVERIFY2(said.startsWith(QStringLiteral("Daily Analysis - March 16, 2004")), qPrintable(said));
        QVERIFY2(said.contains(texts().first()) && said.contains(texts().last()), qPrintable(said));

        // Page Down on "E", which the step disables: the focus goes to Now, which says the day.
        QTest::mouseClick(window.Button(QStringLiteral("Now")), Qt::LeftButton);
        window.Button(QStringLiteral("E"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QPushButton* now = window.Button(QStringLiteral("Now"));
        QCOMPARE(QApplication::focusWidget(), now);
        QVERIFY(now->accessibleDescription().startsWith(QStringLiteral("Daily Analysis - March 16, 2004")));
        QVERIFY(print->accessibleDescription().isEmpty());  // said once, then as before

        // Space on Now goes back, and the focus to the button that made the step.
        QTest::keyClick(now, Qt::Key_Space);
        QVERIFY(Same(window.ShownDate(), {3, 15, 2004}));
        QCOMPARE(QApplication::focusWidget(), window.Button(QStringLiteral("Next Day")));
        QVERIFY(now->accessibleDescription().isEmpty());  // said once, then as before
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QVERIFY(Same(window.ShownDate(), {3, 14, 2004}));

        // A click: the focus moves on as the dialog moves it, to Save after Next Day.
        QTest::mouseClick(window.Button(QStringLiteral("Now")), Qt::LeftButton);
        QTest::mouseClick(window.Button(QStringLiteral("Next Day")), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), window.Button(QStringLiteral("Save")));
    }

    void shortWindowDrawsAtTwelve()
    {
        DailyAnalysisWindow window;
        window.setFixedSize(780, 500);
        Open(window, {3, 15, 2004});
        QCOMPARE(window.ReportTop(), 12.0);
    }

    void screenshot()
    {
        const QByteArray out = qgetenv("MORAVEL_SCREENSHOT_DIR");
        if (out.isEmpty())
            QSKIP("MORAVEL_SCREENSHOT_DIR not set");
        ApplyLook(*qApp);
        const QDir assets(qEnvironmentVariable("MORAVEL_SOURCE_DIR") + QStringLiteral("/assets"));
        for (const QString& name : assets.entryList({QStringLiteral("*.gif")}))
            QFile::copy(assets.filePath(name), QString::fromStdString(InstallDir()) + name);
        DailyAnalysisWindow window;
        Open(window, {3, 15, 2004});
        QVERIFY(window.grab().save(QString::fromUtf8(out) + QStringLiteral("/DailyAnalysisWindow.png")));
        QTimer::singleShot(0, [out] {
            auto* hourly = qobject_cast<HourlyWindow*>(QApplication::activeModalWidget());
            QVERIFY(hourly);
            hourly->grab().save(QString::fromUtf8(out) + QStringLiteral("/HourlyWindow.png"));
            hourly->close();
        });
        window.OpenHourly(1);
    }

private:
    void Open(DailyAnalysisWindow& window, const Date& date)
    {
        window.SetProfileFile(profile);
        window.SetBaseDate(date);
        window.SetShownDate(date);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    std::optional<WindowTest::Session> env;
    std::string profile;
};

QTEST_MAIN(DailyAnalysisWindowTest)
#include "DailyAnalysisWindowTest.moc"
