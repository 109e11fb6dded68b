#include "platform/Paths.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintService.h"
#include "reports/ui/Printing.h"
#include "reports/ui/PrintOptionsWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {
QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The first page of a PDF as a grey picture at `dpi`.
QImage Rasterise(const QString& pdf, int dpi)
{
    const QString base = QFileInfo(pdf).absolutePath() + QStringLiteral("/page");
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                     QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".pgm"));
}

// Closes the modal window that opens next, after `act` has worked on it.
template <typename Window, typename Act>
void WhenModalOpens(Act act)
{
    QTimer::singleShot(0, [act] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY(window);
        act(*window);
        window->accept();
    });
}
}

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        env.emplace();
    }
    void cleanupTestCase() { env.reset(); }

    void optionsWindowRules()
    {
        PrintOptionsWindow window;
        window.SetSource(QStringLiteral("/somewhere/moravel/hourly.jpg"));
        window.SetBaseSize(8.0, 4.8);
        window.SetResolution(1200, 600);
        window.show();
        auto* resize = window.findChild<QComboBox*>(QStringLiteral("resize"));
        auto* tile = window.findChild<QComboBox*>(QStringLiteral("tile"));
        auto* photo = window.findChild<QCheckBox*>(QStringLiteral("photo"));
        auto* height = window.findChild<QLineEdit*>(QStringLiteral("height"));
        auto* width = window.findChild<QLineEdit*>(QStringLiteral("width"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Print: hourly.jpg"));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("resolution"))->text(), QStringLiteral("1200 X 600"));
        QCOMPARE(resize->count(), 100);
        QCOMPARE(resize->itemText(0), QStringLiteral("100%"));
        QCOMPARE(resize->itemText(99), QStringLiteral("1%"));
        QCOMPARE(resize->currentIndex(), 0);
        QVERIFY(!tile->isEnabled());
        QCOMPARE(tile->count(), 0);
        QCOMPARE(height->text(), QStringLiteral("4.80"));
        QCOMPARE(width->text(), QStringLiteral("8.00"));
        QCOMPARE(photo->toolTip(), QStringLiteral("4 x 6 photo printers only"));

        resize->setCurrentIndex(50);  // 50 %
        QCOMPARE(window.Percent(), 50);
        QCOMPARE(height->text(), QStringLiteral("2.40"));
        QCOMPARE(width->text(), QStringLiteral("4.00"));
        QVERIFY(tile->isEnabled());
        QCOMPARE(tile->currentText(), QStringLiteral("no"));
        tile->setCurrentIndex(1);
        QVERIFY(window.Tile());
        // Another percentage turns tiling off again.
        resize->setCurrentIndex(25);
        QVERIFY(!window.Tile());
        QCOMPARE(tile->currentText(), QStringLiteral("no"));
        QCOMPARE(window.Percent(), 75);

        QTest::mouseClick(photo, Qt::LeftButton);
        QVERIFY(window.Photo4x6());
        QVERIFY(photo->isChecked());
        QCOMPARE(resize->currentText(), QStringLiteral("81%"));
        QCOMPARE(tile->currentText(), QStringLiteral("no"));
        QVERIFY(!resize->isEnabled());
        QVERIFY(!tile->isEnabled());
        QCOMPARE(height->text(), QStringLiteral("4.00"));
        QCOMPARE(width->text(), QStringLiteral("6.00"));

        QTest::mouseClick(photo, Qt::LeftButton);
        QVERIFY(!window.Photo4x6());
        QVERIFY(!photo->isChecked());
        QVERIFY(resize->isEnabled());
        QVERIFY(!tile->isEnabled());
        QCOMPARE(resize->currentText(), QStringLiteral("81%"));
        QCOMPARE(window.Percent(), 75);  // the entry shown is not the one in force
    }

    void dailyReportPdfHoldsTheLinesAndBars()
    {
        DailyReadingSet set;
        set.readings = {99, 99, 99, 99, 99};
        set.zodiacText = "Zodiac Sign: Pisces";
        set.soulNumberText = "Soul Number: 7";
        set.dayReadingText = "Day Reading: Good Day";
        set.evilEyeText = "Evil Eye Reading: Be careful.";
        set.lotteryText = "Lottery Numbers: 1 2 3 4 5 6";
        const QString title = QStringLiteral("Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration");
        const QString pdf = env->FilePath(QStringLiteral("daily.pdf"));
        PrintService::setNextPdfOutput(pdf);
        PrintDailyReport(title, set, QStringLiteral("Verdana"));

        // pdftotext joins runs of blanks.
        const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        qsizetype at = 0;
        for (const QString& line : {title, QStringLiteral("Zodiac Sign: Pisces"), QStringLiteral("Soul Number: 7"),
                                    QStringLiteral("Day Reading: Good Day"),
                                    QStringLiteral("Evil Eye Reading: Be careful."),
                                    QStringLiteral("Lottery Numbers: 1 2 3 4 5 6"),
                                    QStringLiteral("Other Day Readings"), QStringLiteral("Fortune")}) {
            const qsizetype found = text.indexOf(line.simplified(), at);
            QVERIFY2(found >= 0, qPrintable(line + QStringLiteral(" in ") + text));
            at = found + line.simplified().size();
        }

        // At 100 dpi a bar of 2.97 inches is a dark run of 297 pixels; each bar is 25 columns wide.
        const QImage page = Rasterise(pdf, 100);
        QVERIFY(!page.isNull());
        int bars = 0;
        int barColumns = 0;
        bool inBar = false;
        for (int x = 0; x < page.width(); ++x) {
            int longest = 0;
            int run = 0;
            for (int y = 0; y < page.height(); ++y) {
                run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            const bool bar = std::abs(longest - 297) <= 2;
            if (bar) {
                ++barColumns;
                if (!inBar)
                    ++bars;
            }
            inBar = bar;
        }
        QCOMPARE(bars, 5);
        QVERIFY2(std::abs(barColumns - 125) <= 5, qPrintable(QString::number(barColumns)));
    }

    void cancelPrintsNothing()
    {
        const QStringList before = QDir(QString::fromStdString(env->Root())).entryList({QStringLiteral("*.pdf")});
        PrintService::setNextCancel();
        PrintDailyReport(QStringLiteral("x"), DailyReadingSet{}, QStringLiteral("Verdana"));
        const QString picture = env->FilePath(QStringLiteral("picture.jpg"));
        QImage(800, 480, QImage::Format_RGB888).save(picture);
        PrintService::setNextCancel();
        PrintReportImage(picture, QStringLiteral("picture.jpg"));
        QCOMPARE(QDir(QString::fromStdString(env->Root())).entryList({QStringLiteral("*.pdf")}), before);
        QVERIFY(MessageBox::history().isEmpty());
    }

    void photoSheetWithoutAdjustingIsSixByFour()
    {
        QImage red(800, 480, QImage::Format_RGB888);
        red.fill(Qt::black);
        const QString hourly = QString::fromStdString(InstallDir()) + QStringLiteral("hourly.jpg");
        QVERIFY(red.save(hourly, "JPEG", 100));
        const QString pdf = env->FilePath(QStringLiteral("photo.pdf"));
        PrintService::setNextPdfOutput(pdf);
        MessageBox::setNextAnswer(MessageBox::No);
        QString title;
        WhenModalOpens<PrintOptionsWindow>([&title](PrintOptionsWindow& options) {
            title = options.windowTitle();
            QTest::mouseClick(options.findChild<QCheckBox*>(QStringLiteral("photo")), Qt::LeftButton);
        });
        PrintHourlyReport();
        QCOMPARE(title, QStringLiteral("Print: hourly.jpg"));
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Would you like Moravel to adjust report's width for you?    "));

        const QImage page = Rasterise(pdf, 50);
        QRect dark;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 64)
                    dark |= QRect(x, y, 1, 1);
        QVERIFY(std::abs(dark.width() - 300) <= 2);
        QVERIFY(std::abs(dark.height() - 200) <= 2);
    }

    void tiledCopiesAtHalfSize()
    {
        QImage picture(800, 600, QImage::Format_RGB888);
        picture.fill(Qt::black);
        const QString path = env->FilePath(QStringLiteral("report.jpg"));
        QVERIFY(picture.save(path, "JPEG", 100));
        const QString pdf = env->FilePath(QStringLiteral("tiled.pdf"));
        PrintService::setNextPdfOutput(pdf);
        double baseWidth = 0.0;
        WhenModalOpens<PrintOptionsWindow>([&baseWidth](PrintOptionsWindow& options) {
            baseWidth = options.WidthInches();
            options.findChild<QComboBox*>(QStringLiteral("resize"))->setCurrentIndex(50);
            options.findChild<QComboBox*>(QStringLiteral("tile"))->setCurrentIndex(1);
        });
        PrintReportImage(path, QStringLiteral("report.jpg"));

        // Half-size copies separated by gaps: count the dark blocks along the first row and column.
        const QImage page = Rasterise(pdf, 100);
        const auto blocks = [&page](bool across, int at) {
            int count = 0;
            bool dark = false;
            const int length = across ? page.width() : page.height();
            for (int i = 0; i < length; ++i) {
                const bool now = qGray(across ? page.pixel(i, at) : page.pixel(at, i)) < 64;
                if (now && !dark)
                    ++count;
                dark = now;
            }
            return count;
        };
        QVERIFY(baseWidth > 6.0);
        int firstDarkRow = 0;
        while (firstDarkRow < page.height() && qGray(page.pixel(page.width() / 4, firstDarkRow)) >= 64)
            ++firstDarkRow;
        int firstDarkColumn = 0;
        while (firstDarkColumn < page.width() && qGray(page.pixel(firstDarkColumn, firstDarkRow + 5)) >= 64)
            ++firstDarkColumn;
        QCOMPARE(blocks(false, firstDarkColumn + 5), 3);  // three rows on a letter or A4 page
        QVERIFY(blocks(true, firstDarkRow + 5) >= 1);
    }

private:
    std::optional<WindowTest::Session> env;
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
