// Timings of the reading engine: a year of daily records from one profile, and the
// whole daily set including the read of the profile file.
#include "engine/DailyRecord.h"
#include "reports/DailyReadingSet.h"
#include "platform/Calendar.h"
#include "platform/DataFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {
const std::string& ProfileFile()
{
    static const std::string path = [] {
        std::string folder = std::filesystem::temp_directory_path().string() + "/moravel-bench-XXXXXX";
        if (!::mkdtemp(folder.data()))
            std::abort();
        const std::string file = folder + "/Anna.ini";
        WriteFileAtomically(file, "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n"
                                  "MotherMonth:2\nMotherDate:29\nMotherYear:1940\n"
                                  "BadMonth:3\nBadDate:4\nBadYear:2004\nGoodMonth:1\nGoodDate:2\nGoodYear:2003\n");
        static const std::string toRemove = folder;
        std::atexit([] { std::filesystem::remove_all(toRemove); });
        return file;
    }();
    return path;
}

std::vector<Date> DaysOf(int year)
{
    std::vector<Date> days;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(month, year); ++day)
            days.push_back({month, day, year});
    return days;
}

void DailySetWithFileRead(benchmark::State& state)
{
    const std::string& path = ProfileFile();
    DailyReadingSet set;
    for (auto _ : state) {
        ComputeDailyReadingSet(set, path, 2004, 3, 15);
        benchmark::DoNotOptimize(set);
    }
}
BENCHMARK(DailySetWithFileRead);

void ArithmeticOverAYear(benchmark::State& state)
{
    const ProfileRecord profile = ReadProfileFile(ProfileFile());
    const std::vector<Date> days = DaysOf(2004);
    for (auto _ : state) {
        int sum = 0;
        for (const Date& date : days) {
            const DailyRecord record = ComputeDailyRecord(profile, date);
            for (const int value : record.raw)
                sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["per_day"] = benchmark::Counter(
        static_cast<double>(days.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(ArithmeticOverAYear);
}

BENCHMARK_MAIN();
