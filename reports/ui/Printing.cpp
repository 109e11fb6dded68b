#include "reports/ui/Printing.h"

#include "platform/Paths.h"
#include "platform/TextPainter.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PrintJob.h"
#include "platform/ui/PrintService.h"
#include "platform/ui/WaitCursor.h"
#include "reports/MonthChart.h"
#include "reports/PrintLayout.h"
#include "reports/ui/PrintOptionsWindow.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {
// Every Qt printer takes pictures, so the raster rule always passes here; it is
// kept so that a device without them would be refused the same way.
int RasterCapsOf(const PrintJob&)
{
    return RasterCapabilityMask;
}

// The printer's resolution, physical offsets and printable size, in inches.
struct PrintPage {
    double dpiX = 0.0;
    double dpiY = 0.0;
    double offX = 0.0;
    double offY = 0.0;
    double pageWidth = 0.0;
    double pageHeight = 0.0;

    QPointF At(double x, double y) const { return {x * dpiX, y * dpiY}; }
    QRectF Rect(const InchRect& r) const { return {r.x * dpiX, r.y * dpiY, r.width * dpiX, r.height * dpiY}; }
};

// The print dialog and the raster rule, then the painter on the chosen printer;
// false when nothing is to be printed.
bool StartPrinting(PrintJob& job, QPainter& painter, const QString& title)
{
    job.SetDocName(PrintService::jobName(title));
    if (!PrintService::choosePrinter(job))
        return false;
    if (!HasRasterCapability(RasterCapsOf(job))) {
        MessageBox::stop(QStringLiteral("Set your printer to graphics mode: raster.    "));
        return false;
    }
    if (!painter.begin(job.Printer()))
        return false;
    SetDrawingQuality(painter);
    return true;
}

PrintPage Measure(const PrintJob& job)
{
    const QPagedPaintDevice& printer = *job.Printer();
    PrintPage page;
    page.dpiX = printer.logicalDpiX();
    page.dpiY = printer.logicalDpiY();
    const int resolution = job.Resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect printable = layout.paintRectPixels(resolution);
    page.offX = (printable.left() - paper.left()) / page.dpiX;
    page.offY = (printable.top() - paper.top()) / page.dpiY;
    page.pageWidth = printable.width() / page.dpiX;
    page.pageHeight = printable.height() / page.dpiY;
    return page;
}

// The shared layout of the two image prints.
void PrintImage(const QString& imagePath, const QString& sourceName, const QString& title)
{
    PrintJob job;
    QPainter painter;
    if (!StartPrinting(job, painter, title))
        return;
    const PrintPage page = Measure(job);

    const QImage image(imagePath);
    if (image.isNull() || image.width() == 0 || image.height() == 0) {
        painter.end();
        return;
    }
    InchSize base = FitImageToPage(image.width(), image.height(), page.pageWidth, page.pageHeight);
    const double shrink =
        ShrinkToPrintable(base.width, base.height, page.offX, page.offY, page.pageWidth, page.pageHeight);
    base = {base.width * shrink, base.height * shrink};

    PrintOptionsWindow options(PrintService::dialogOwner());
    options.SetSource(sourceName);
    options.SetBaseSize(base.width, base.height);
    options.SetResolution(static_cast<int>(page.dpiX), static_cast<int>(page.dpiY));
    options.exec();

    ImagePrintChoice choice;
    choice.percent = options.Percent();
    choice.tile = options.Tile();
    choice.photo4x6 = options.Photo4x6();
    if (choice.photo4x6)
        choice.adjustPhoto =
            MessageBox::question(QStringLiteral("Would you like Moravel to adjust report's width for you?    "));

    {
        const WaitCursor wait;
        for (const InchRect& copy :
             ImagePrintPlacements(base, choice, page.offX, page.offY, page.pageWidth, page.pageHeight))
            painter.drawImage(page.Rect(copy), image);
    }
    painter.end();
}
}

void PrintDailyReport(const QString& title, const DailyReadingSet& set, const QString& fontFace)
{
    PrintJob job;
    QPainter painter;
    if (!StartPrinting(job, painter, title))
        return;
    const WaitCursor wait;
    const PrintPage page = Measure(job);

    const std::vector<std::string> lines{title.toStdString(), set.zodiacText,  set.soulNumberText,
                                         set.dayReadingText,  set.evilEyeText, set.lotteryText};
    const std::vector<int> readings(set.readings.begin(), set.readings.end());
    const DailyPrintPage layout = DailyPrintLayout(lines, readings, page.offX, page.offY);

    QFont font(fontFace);
    font.setPixelSize(std::max(1, qRound(DailyPrintTextHeight * page.dpiY)));
    font.setWeight(QFont::Normal);
    // The report keeps its left margin and shrinks when the page is too small for it.
    const QFontMetricsF metrics(font, job.Printer());
    double right = 0.0;
    double bottom = 0.0;
    for (const PrintText& item : layout.texts) {
        right = std::max(right,
                         item.x - page.offX + metrics.horizontalAdvance(QString::fromStdString(item.text)) / page.dpiX);
        bottom = std::max(bottom, item.y - page.offY + metrics.height() / page.dpiY);
    }
    for (const PrintLine& line : layout.lines)
        right = std::max({right, line.x1 - page.offX + line.width / 2, line.x2 - page.offX + line.width / 2});
    const double shrink = ShrinkToPrintable(right, bottom, page.offX, page.offY, page.pageWidth, page.pageHeight);
    const QPointF margin = page.At(page.offX, page.offY);
    painter.translate(margin);
    painter.scale(shrink, shrink);
    painter.translate(-margin);

    TextPainter text(painter, job.Printer());
    text.SetFont(font);
    for (const PrintText& item : layout.texts) {
        const QPointF at = page.At(item.x, item.y);
        if (item.onLine)
            text.DrawOnLine(QString::fromStdString(item.text), at.x(), at.y(), Qt::black);
        else
            text.Draw(QString::fromStdString(item.text), at.x(), at.y(), Qt::black);
    }
    for (const PrintLine& line : layout.lines) {
        painter.setPen(QPen(Qt::black, line.width * page.dpiX, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(page.At(line.x1, line.y1), page.At(line.x2, line.y2));
    }
    painter.end();
}

void PrintHourlyReport(const QString& title)
{
    const QString path = QString::fromStdString(InstallDir()) + QStringLiteral("hourly.jpg");
    PrintImage(path, path, title);
}

void PrintReportImage(const QString& imagePath, const QString& sourceName)
{
    PrintImage(imagePath, sourceName, QFileInfo(sourceName).completeBaseName());
}

void PrintMonthChart(const MonthChart& chart)
{
    PrintJob job;
    QPainter painter;
    if (!StartPrinting(job, painter, QString::fromStdString(chart.title)))
        return;
    const WaitCursor wait;
    const PrintPage page = Measure(job);
    // The picture's size at 100 pixels to the inch, smaller where the page is.
    constexpr double PixelsPerInch = 100.0;
    const double width = MonthPictureWidth / PixelsPerInch;
    const double height = MonthPictureHeight / PixelsPerInch;
    const double shrink = ShrinkToPrintable(width, height, page.offX, page.offY, page.pageWidth, page.pageHeight);
    painter.translate(page.At(page.offX, page.offY));
    painter.scale(shrink * page.dpiX / PixelsPerInch, shrink * page.dpiY / PixelsPerInch);
    DrawMonthChart(painter, QSizeF(MonthPictureWidth, MonthPictureHeight), chart);
    painter.end();
}
