#include "mail/Contacts.h"
#include "reports/ui/ResizeWindow.h"
#include "reports/ViewerPlacement.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

void ResizeReport(benchmark::State& state)
{
    const QString source = Folder().filePath("big.jpg");
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    image.save(source, "JPEG", 100);
    const QString result = Folder().filePath("_T_big.jpg");
    for (auto _ : state)
        benchmark::DoNotOptimize(ResizeWindow::ResizePicture(source, result, static_cast<int>(state.range(0))));
}
BENCHMARK(ResizeReport)->Arg(50)->Arg(10)->Unit(benchmark::kMillisecond);

void ReadContactBook(benchmark::State& state)
{
    const std::string path = Folder().filePath("contacts.ini").toStdString();
    std::vector<Contact> contacts;
    for (int i = 0; i < state.range(0); ++i)
        contacts.push_back({"Contact " + std::to_string(i), "person" + std::to_string(i) + "@example.org"});
    WriteContacts(path, contacts);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadContacts(path));
}
BENCHMARK(ReadContactBook)->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);

void PlaceReports(benchmark::State& state)
{
    for (auto _ : state)
        for (int w = 100; w < 3000; w += 7)
            benchmark::DoNotOptimize(PlaceInViewer(w, 5000 - w));
}
BENCHMARK(PlaceReports);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // the resize shows the wait cursor
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
