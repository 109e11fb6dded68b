// The report picture: composing, encoding, and both as the scheduled run does them.
#include "platform/ImageEncoder.h"
#include "reports/ReportPicture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

DailyReadingSet SampleSet()
{
    DailyReadingSet set;
    set.title = "Daily Analysis - March 15, 2004  - Anna Lee -  Automatic Calibration";
    set.zodiacText = "Zodiac Sign: Leo";
    set.soulNumberText = "Soul Number: 8";
    set.dayReadingText = "Day Reading: Normal Day";
    set.evilEyeText = "Evil Eye Reading: Susceptible to the Evil Eye";
    set.lotteryText = "Lottery Numbers: 8  17  20  39  49  28 ";
    set.readings = {100, 20, 50, 10, 10};
    return set;
}

void Compose(benchmark::State& state)
{
    const DailyReadingSet set = SampleSet();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeReportPicture(set, ReportVariant::Unattended));
}
BENCHMARK(Compose)->Unit(benchmark::kMillisecond);

void EncodeJpeg(benchmark::State& state)
{
    const QImage image = ComposeReportPicture(SampleSet(), ReportVariant::Unattended);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(100);
        benchmark::DoNotOptimize(writer.write(image));
    }
}
BENCHMARK(EncodeJpeg)->Unit(benchmark::kMillisecond);

// Compose and encode, in memory.
void ComposeAndEncode(benchmark::State& state)
{
    const DailyReadingSet set = SampleSet();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(100);
        benchmark::DoNotOptimize(writer.write(ComposeReportPicture(set, ReportVariant::Unattended)));
    }
}
BENCHMARK(ComposeAndEncode)->Unit(benchmark::kMillisecond);

// What the scheduled run does: compose, then save to a file (flushed to disk
// before it replaces the old one, so the disk's latency is part of it).
void ComposeAndSave(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.jpg");
    const DailyReadingSet set = SampleSet();
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveImage(ComposeReportPicture(set, ReportVariant::Unattended), path));
}
BENCHMARK(ComposeAndSave)->Unit(benchmark::kMillisecond);

// The floor: a picture of the same size with a fill, a few lines of text and
// rectangles, encoded the same way.
void BareQtComposeAndEncode(benchmark::State& state)
{
    for (auto _ : state) {
        QImage image(780, 550, QImage::Format_RGB888);
        image.fill(QColor(128, 128, 128));
        QPainter painter(&image);
        for (int i = 0; i < 6; ++i)
            painter.drawText(90, 30 + 25 * i, QStringLiteral("Daily Analysis - March 15, 2004"));
        for (int i = 0; i < 5; ++i)
            painter.fillRect(165 + 110 * i, 200, 40, 297, Qt::blue);
        painter.end();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(100);
        benchmark::DoNotOptimize(writer.write(image));
    }
}
BENCHMARK(BareQtComposeAndEncode)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
