#include "platform/Paths.h"
#include "platform/ui/Look.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintService.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/Printing.h"
#include "reports/ui/PrintOptionsWindow.h"
#include "support/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
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

// The daily chart in a picture of it: the axis, each scale label's figures and each bar's top.
struct ChartReading {
    double axis = 0.0;           // the horizontal axis's middle row
    std::vector<double> labels;  // the labels' middles, "100" first
    std::vector<int> barTops;
};

ChartReading ReadChart(const QImage& picture, const std::vector<int>& barOffsets)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const auto dark = [&image](int x, int y) { return qGray(image.pixel(x, y)) < 64; };
    // The axis is the longest dark run across a row, as thick as the rows that share it.
    std::vector<std::pair<int, int>> longest;  // run and start, per row
    for (int y = 0; y < image.height(); ++y) {
        std::pair<int, int> best{0, 0};
        for (int x = 0, run = 0; x < image.width(); ++x) {
            run = dark(x, y) ? run + 1 : 0;
            if (run > best.first)
                best = {run, x - run + 1};
        }
        longest.push_back(best);
    }
    const auto widest = std::max_element(longest.begin(), longest.end());
    const int axisLeft = widest->second;
    int axisFirst = static_cast<int>(widest - longest.begin());
    int axisLast = axisFirst;
    const auto onAxis = [&](int y) { return longest[y].first >= widest->first - 6; };
    while (axisFirst > 0 && onAxis(axisFirst - 1))
        --axisFirst;
    while (axisLast + 1 < image.height() && onAxis(axisLast + 1))
        ++axisLast;
    ChartReading chart;
    chart.axis = (axisFirst + axisLast + 1) / 2.0;
    // The labels stand left of the vertical axis: runs of rows with dark pixels there.
    int first = -1, last = -1;
    for (int y = 0; y < axisLast + 20 && y < image.height(); ++y) {
        bool ink = false;
        for (int x = std::max(0, axisLeft - 45); x < axisLeft - 3 && !ink; ++x)
            ink = dark(x, y);
        if (ink && first >= 0 && y - last >= 3) {
            chart.labels.push_back((first + last + 1) / 2.0);
            first = -1;
        }
        if (ink) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    if (first >= 0)
        chart.labels.push_back((first + last + 1) / 2.0);
    // Only the scale's eleven labels count, the lines of text above them not.
    if (chart.labels.size() > 11)
        chart.labels.erase(chart.labels.begin(), chart.labels.end() - 11);
    // A bar is its colour just above the axis, up to where that colour ends.
    for (const int offset : barOffsets) {
        const int x = axisLeft + offset;
        const QRgb colour = image.pixel(x, axisFirst - 3);
        const auto same = [&](int y) {
            const QRgb pixel = image.pixel(x, y);
            return std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour)) +
                       std::abs(qBlue(pixel) - qBlue(colour)) <
                   60;
        };
        int y = axisFirst - 3;
        while (y > 0 && same(y - 1))
            --y;
        chart.barTops.push_back(y);
    }
    return chart;
}

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env.emplace(); }
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

        // The job is named after the report it prints.
        QVERIFY(
            Run(QStringLiteral("pdfinfo"), {pdf})
                .contains(QRegularExpression(QStringLiteral("Title: +") + QRegularExpression::escape(title) + '\n')));
        // pdftotext joins runs of blanks.
        const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        qsizetype at = 0;
        for (const QString& line :
             {title, QStringLiteral("Zodiac Sign: Pisces"), QStringLiteral("Soul Number: 7"),
              QStringLiteral("Day Reading: Good Day"), QStringLiteral("Evil Eye Reading: Be careful."),
              QStringLiteral("Lottery Numbers: 1 2 3 4 5 6"), QStringLiteral("Other Day Readings"),
              QStringLiteral("Fortune")}) {
            const qsizetype found = text.indexOf(line.simplified(), at);
            QVERIFY2(found >= 0, qPrintable(line + QStringLiteral(" in ") + text));
            at = found + line.simplified().size();
        }

        // At 100 dpi a bar of 3.267 inches is a dark run of 327 pixels; each bar is 25 columns wide.
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
            const bool bar = std::abs(longest - 327) <= 2;
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

    // On screen and on paper a bar ends on the line of its value, and each scale label sits on its line.
    void chartBarsMeetTheirLabels()
    {
        const std::string profile = InstallDir() + "Anna.ini";
        WindowTest::WriteFile(profile, "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n");
        ApplyLook(*qApp);  // the mid-grey face that the white bar stands out on
        DailyAnalysisWindow window;
        window.SetProfileFile(profile);
        window.SetBaseDate({3, 15, 2004});
        window.SetShownDate({3, 15, 2004});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString pdf = env->FilePath(QStringLiteral("scale.pdf"));
        PrintService::setNextPdfOutput(pdf);
        window.Print();
        const struct {
            const char* surface;
            QImage picture;
            double pixelsPerPoint;
            std::vector<int> barOffsets;  // bar middles from the vertical axis's left edge
        } surfaces[] = {
            {"screen", window.grab().toImage(), 3.0, {57, 162, 272, 378, 492}},
            {"paper at 100 dpi", Rasterise(pdf, 100), 3.3, {46, 126, 206, 286, 366}},
        };
        for (const auto& surface : surfaces) {
            const ChartReading chart = ReadChart(surface.picture, surface.barOffsets);
            QVERIFY2(chart.labels.size() == 11, surface.surface);
            for (int i = 0; i < 11; ++i) {
                const double line = chart.axis - surface.pixelsPerPoint * (100 - 10 * i);
                QVERIFY2(std::abs(chart.labels[static_cast<std::size_t>(i)] - line) <= 1.5,
                         qPrintable(QStringLiteral("%1: label %2 at %3, its line at %4")
                                        .arg(QLatin1String(surface.surface))
                                        .arg(100 - 10 * i)
                                        .arg(chart.labels[static_cast<std::size_t>(i)])
                                        .arg(line)));
            }
            for (int k = 0; k < 5; ++k) {
                const int value = window.ReadingSet().readings[static_cast<std::size_t>(k)];
                const double line = chart.axis - surface.pixelsPerPoint * value;
                QVERIFY2(std::abs(chart.barTops[static_cast<std::size_t>(k)] - line) <= 2.5,
                         qPrintable(QStringLiteral("%1: bar of %2 ends at %3, its line at %4")
                                        .arg(QLatin1String(surface.surface))
                                        .arg(value)
                                        .arg(chart.barTops[static_cast<std::size_t>(k)])
                                        .arg(line)));
            }
        }
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
        PrintHourlyReport(QStringLiteral("Hourly Analysis - March 15, 2004"));
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
