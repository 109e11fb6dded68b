// Opening the daily analysis window to its first paint, and one day step; the month
// view beside it: opening to its first paint, and one month step. The window is drawn
// into a picture (grab), since an offscreen window that is only shown may not paint.
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "reports/ui/DailyAnalysisWindow.h"
#include "reports/ui/MonthViewWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
std::string profile;
const Date base{3, 15, 2004};

void Prepare(DailyAnalysisWindow& window)
{
    window.SetProfileFile(profile);
    window.SetBaseDate(base);
    window.SetShownDate(base);
}

void OpenToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        auto* window = new DailyAnalysisWindow;
        Prepare(*window);
        window->show();
        window->grab();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(OpenToFirstPaint)->Unit(benchmark::kMillisecond);

// Alternates Next Day and Now: each is a recomputation and a repaint of the report.
void DayStep(benchmark::State& state)
{
    DailyAnalysisWindow window;
    Prepare(window);
    window.show();
    window.grab();
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            window.NextDay();
        else
            window.Now();
        forward = !forward;
    }
}
BENCHMARK(DayStep)->Unit(benchmark::kMicrosecond);

void OpenMonthToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        auto* window = new MonthViewWindow(profile, base);
        window->show();
        window->grab();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(OpenMonthToFirstPaint)->Unit(benchmark::kMillisecond);

// Alternates Next Month and Prev Month: each is 31 days computed and the chart repainted.
void MonthStepToPaint(benchmark::State& state)
{
    MonthViewWindow window(profile, base);
    window.show();
    window.grab();
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            window.NextMonth();
        else
            window.PrevMonth();
        window.grab();
        forward = !forward;
    }
}
BENCHMARK(MonthStepToPaint)->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    QApplication app(argc, argv);
    CreateInstallFolders();
    const QString install = QString::fromStdString(InstallDir());
    const QDir assets(QStringLiteral(MORAVEL_SOURCE_DIR "/assets"));
    for (const QString& name : assets.entryList({QStringLiteral("*.gif")}))
        QFile::copy(assets.filePath(name), install + name);
    profile = InstallDir() + "Anna.ini";
    QFile file(QString::fromStdString(profile));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("Profile:Anna\nName:Anna Lee\nYourMonth:7\nYourDate:4\nYourYear:1968\n");
    file.close();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
