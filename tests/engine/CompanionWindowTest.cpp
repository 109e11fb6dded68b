#include "engine/ui/CompanionWindow.h"

#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "platform/ui/PrintService.h"
#include "profiles/ProfileFiles.h"
#include "support/ModalPageCatcher.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {
std::string SaveTestProfile(const std::string& description, const std::string& name, Date birthday)
{
    ProfileRecord record;
    record.description = description;
    record.fullName = name;
    record.birthday = birthday;
    SaveProfile(record);
    return ProfilePath(description);
}

int CountPixels(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}
}

class CompanionWindowTest : public QObject {
    Q_OBJECT
    std::optional<WindowTest::Session> env;

private slots:
    void initTestCase()
    {
        env.emplace();
        ApplyLook(*qApp);
    }
    void cleanupTestCase() { env.reset(); }

    void nothingIsDrawnBeforeTheResultIsReady()
    {
        CompanionWindow window;
        QCOMPARE(window.windowTitle(), QString("Companion Analysis"));
        QCOMPARE(window.PrintButton()->text(), QString("Print"));
        QCOMPARE(window.ExplainButton()->text(), QString("Explain"));
        QCOMPARE(window.CloseButton()->text(), QString("Close"));
        const QImage before = window.grab().toImage();
        const QRect textArea(0, 0, window.width(), 200);
        QCOMPARE(CountPixels(before, textArea, QColor(128, 128, 128)), textArea.width() * textArea.height());
        QVERIFY(!window.PrintResult());

        // Leo 8 and Aries 8: compatible signs and completing numbers.
        window.Analyse(SaveTestProfile("anna", "Anna Lee", {8, 15, 1966}), SaveTestProfile("bob", "Bob", {4, 9, 1967}));
        QVERIFY(window.Result().ready);
        QCOMPARE(window.Result().layoutHeight, window.height());
        const auto lines = CompanionLines(window.Result());
        QCOMPARE(QString::fromStdString(lines[0]), QString("Anna Lee and Bob"));
        QCOMPARE(QString::fromStdString(lines[1]), QString("Love: Good Match"));

        const QImage after = window.grab().toImage();
        const int top = CompanionFirstLineY(window.height());
        const auto band = [&](int line) { return QRect(CompanionLineX, top + line * CompanionLineStep, 250, 16); };
        QVERIFY(CountPixels(after, band(0), QColor(0, 0, 0)) > 20);
        QVERIFY(CountPixels(after, band(1), QColor(0, 0, 255)) > 20);
        QVERIFY(CountPixels(after, band(2), QColor(255, 255, 255)) > 20);
        QVERIFY(CountPixels(after, band(3), QColor(255, 255, 0)) > 20);
        QCOMPARE(CountPixels(after, band(0).translated(0, -CompanionLineStep), QColor(0, 0, 0)), 0);

        if (qEnvironmentVariableIsSet("MORAVEL_SCREENSHOTS"))
            after.save(qEnvironmentVariable("MORAVEL_SCREENSHOTS") + "/CompanionWindow.png");
    }

    void printAndExplain()
    {
        CompanionWindow window;
        window.show();
        window.Analyse(SaveTestProfile("carl", "Carl", {1, 1, 1970}), SaveTestProfile("dora", "Dora", {3, 21, 1980}));
        // Capricorn and Aries are least compatible.
        const QString pdf = env->FilePath("companion.pdf");
        PrintService::setNextPdfOutput(pdf);
        QTest::mouseClick(window.PrintButton(), Qt::LeftButton);
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* line : {"Carl and Dora", "Love: Bad Match", "Friendship: Bad Match", "Business: Bad Match"})
            QVERIFY2(printed.contains(line), line);

        PrintService::setNextCancel();
        QVERIFY(!window.PrintResult());

        ModalPageCatcher catcher;
        catcher.Arm();
        QTest::mouseClick(window.ExplainButton(), Qt::LeftButton);
        QVERIFY(catcher.seen);
        QCOMPARE(catcher.title, QString(" Companion Analysis"));
        QCOMPARE(catcher.size, QSize(680, 300));
        QFile reading(env->FilePath("data/moravel/reading.htm"));
        QVERIFY(reading.open(QIODevice::ReadOnly));
        QVERIFY(reading.readAll().contains("<b>Companion Analysis Explained</b>"));
    }
};

QTEST_MAIN(CompanionWindowTest)
#include "CompanionWindowTest.moc"
