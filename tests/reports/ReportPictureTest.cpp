#include "platform/ImageEncoder.h"
#include "reports/ReportPicture.h"

#include <QGuiApplication>
#include <QtTest>

namespace {

DailyReadingSet SampleSet(int emotional)
{
    DailyReadingSet set;
    set.title = "Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration";
    set.zodiacText = "Zodiac Sign: Leo";
    set.soulNumberText = "Soul Number: 8";
    set.dayReadingText = "Day Reading: Normal Day";
    set.evilEyeText = "Evil Eye Reading: Susceptible to the Evil Eye";
    set.lotteryText = "Lottery Numbers: 8  17  20  39  49  28 ";
    set.readings = {emotional, 20, 50, 10, 1};
    return set;
}

bool Near(QRgb pixel, const QColor& colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

const QColor Grey(128, 128, 128);

// The first row, going down column x from `from`, whose pixel is not grey.
int FirstNonGreyRow(const QImage& image, int x, int from, int tolerance)
{
    for (int y = from; y < image.height(); ++y) {
        if (!Near(image.pixel(x, y), Grey, tolerance))
            return y;
    }
    return -1;
}

// Bounding box of the pixels that differ between two pictures.
QRect Difference(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

}  // namespace

class ReportPictureTest : public QObject {
    Q_OBJECT

private slots:
    void savedJpegKeepsLayoutAndColours_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("emotional");
        QTest::addColumn<int>("barTop");
        QTest::newRow("window keeps peaks at 99") << int(ReportVariant::Window) << 99 << 200;
        QTest::newRow("unattended shows 100") << int(ReportVariant::Unattended) << 100 << 197;
    }

    void savedJpegKeepsLayoutAndColours()
    {
        QFETCH(int, variant);
        QFETCH(int, emotional);
        QFETCH(int, barTop);
        QTemporaryDir dir;
        const QString path = dir.filePath("report.jpg");
        const QImage composed = ComposeReportPicture(SampleSet(emotional), ReportVariant(variant));
        QCOMPARE(composed.format(), QImage::Format_RGB888);
        QVERIFY(SaveImage(composed, path));

        QImage picture(path, "JPEG");
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(780, 550));

        // Grey face inside a two-pixel black border.
        for (QPoint p : {QPoint(0, 0), QPoint(1, 300), QPoint(778, 548), QPoint(400, 1), QPoint(400, 548)})
            QVERIFY2(Near(picture.pixel(p), Qt::black, 24), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        for (QPoint p : {QPoint(5, 5), QPoint(760, 300), QPoint(400, 540), QPoint(30, 200), QPoint(740, 40)})
            QVERIFY2(Near(picture.pixel(p), Grey, 6), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));

        // Bar colours at the bars' centres, 3 pixels per point above y 497.
        const struct {
            int x;
            int value;
            QColor colour;
        } bars[] = {{185, emotional, Qt::blue},
                    {290, 20, Qt::red},
                    {400, 50, Qt::white},
                    {506, 10, Qt::green},
                    {620, 1, Qt::yellow}};
        for (const auto& bar : bars) {
            const int centre = 497 - bar.value * 3 / 2;
            if (bar.value >= 5)  // a 3-pixel bar blurs into the grey
                QVERIFY2(Near(picture.pixel(bar.x, centre), bar.colour, 12), qPrintable(QString::number(bar.x)));
            QCOMPARE(FirstNonGreyRow(composed, bar.x, 180, 0), 497 - 3 * bar.value);
            QVERIFY(Near(composed.pixel(bar.x - 19, 496), bar.colour, 0));
            QVERIFY(Near(composed.pixel(bar.x - 21, 496), Grey, 0));
        }
        QCOMPARE(FirstNonGreyRow(composed, 185, 190, 0), barTop);
        // The tallest bar still reads in the encoded picture.
        QVERIFY(Near(picture.pixel(185, barTop + 1), Qt::blue, 40));
        QVERIFY(Near(picture.pixel(185, barTop - 2), Grey, 40));

        // The axes: 4 pixels of black along x 130 and y 499.
        QVERIFY(Near(composed.pixel(129, 300), Qt::black, 0));
        QVERIFY(Near(composed.pixel(131, 300), Qt::black, 0));
        QVERIFY(Near(composed.pixel(134, 300), Grey, 0));
        QVERIFY(Near(composed.pixel(650, 498), Qt::black, 0));
        QVERIFY(Near(composed.pixel(650, 503), Grey, 0));
    }

    // Text hangs below the point it is placed at: nothing of the title above y 14.
    void textIsPlacedByItsTopLeftCorner()
    {
        const QImage composed = ComposeReportPicture(SampleSet(50), ReportVariant::Window);
        int top = -1, left = -1;
        for (int y = 3; y < 36 && top < 0; ++y) {
            for (int x = 80; x < 500; ++x) {
                if (!Near(composed.pixel(x, y), Grey, 40)) {
                    top = y;
                    break;
                }
            }
        }
        for (int x = 80; x < 120 && left < 0; ++x) {
            for (int y = 14; y < 34; ++y) {
                if (!Near(composed.pixel(x, y), Grey, 40)) {
                    left = x;
                    break;
                }
            }
        }
        QVERIFY2(top >= 14 && top <= 20, qPrintable(QString::number(top)));
        QVERIFY2(left >= 90 && left <= 93, qPrintable(QString::number(left)));
    }

    // The two variants differ only where the Intuition label stands.
    void variantsDifferOnlyInTheIntuitionLabel()
    {
        const DailyReadingSet set = SampleSet(60);
        const QRect box = Difference(ComposeReportPicture(set, ReportVariant::Window),
                                     ComposeReportPicture(set, ReportVariant::Unattended));
        QVERIFY(!box.isEmpty());
        QVERIFY2(box.left() >= 476 && box.left() <= 479, qPrintable(QString::number(box.left())));
        QVERIFY(box.top() >= 509);
        QVERIFY(box.bottom() < 530);
        QVERIFY(box.right() < 594);
    }
};

QTEST_MAIN(ReportPictureTest)
#include "ReportPictureTest.moc"
