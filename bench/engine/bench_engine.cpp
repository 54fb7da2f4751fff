#include "prayertimes.h"
#include "schedule.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

using namespace ravla;

namespace {

const Location istanbul{29.0, 41.0, 2, 0, 0, 1010, 10};

PrayerMethod method(int code)
{
    PrayerMethod m;
    methodDefaults(code, m);
    return m;
}

// What the refresh asks for one day.
void solveDay(PrayerEngine &engine, const Location &place, const PrayerMethod &m,
              const CivilDate &date)
{
    PrayerTime times[6];
    engine.prayerTimesForDay(place, m, date, times);
    PrayerTime imsak = engine.imsakForDay(place, m, date);
    benchmark::DoNotOptimize(times);
    benchmark::DoNotOptimize(imsak);
}

// (a) The date is already in the cache, as when the refresh asks again.
void BM_DayCached(benchmark::State &state)
{
    const PrayerMethod m = method(5);
    const CivilDate date{5, 12, 2026};
    PrayerEngine engine;
    solveDay(engine, istanbul, m, date);
    for (auto _ : state)
        solveDay(engine, istanbul, m, date);
}
BENCHMARK(BM_DayCached);

// (b) A year of consecutive days on a fresh engine, as the command-line tool runs it;
// "per_day" is the time of one day. Near the poles, and with angles the Sun never reaches,
// every day needs the nearest day with a real twilight: what the engine remembers of the
// days before keeps that close to an ordinary year.
void BM_YearOfDays(benchmark::State &state, Location place, double fajr, double isha)
{
    namespace chr = std::chrono;
    PrayerMethod m = method(5);
    if (fajr > 0) {
        m = method(0);
        m.fajrAngle = fajr;
        m.ishaAngle = isha;
    }
    std::vector<CivilDate> dates;
    for (chr::sys_days d{chr::year{2026} / 1 / 1}; d <= chr::sys_days{chr::year{2026} / 12 / 31};
         d += chr::days{1}) {
        const chr::year_month_day ymd{d};
        dates.push_back({int(unsigned(ymd.day())), int(unsigned(ymd.month())), int(ymd.year())});
    }
    for (auto _ : state) {
        PrayerEngine engine;
        for (const CivilDate &date : dates)
            solveDay(engine, place, m, date);
    }
    const auto days = static_cast<double>(dates.size());
    state.SetItemsProcessed(state.iterations() * static_cast<long>(dates.size()));
    state.counters["per_day"] = benchmark::Counter(
        days, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_YearOfDays, 41N_MWL, istanbul, 0, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_YearOfDays, 65N_MWL, Location{25.0, 65.0, 2, 0, 0, 1010, 10}, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_YearOfDays, 80N_MWL, Location{15.0, 80.0, 1, 0, 0, 1010, 10}, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_YearOfDays, 90N_MWL, Location{0.0, 90.0, 0, 0, 0, 1010, 10}, 0, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_YearOfDays, 41N_custom_90_90, istanbul, 90, 90)->Unit(benchmark::kMillisecond);

// (b') The same with a national method, whose Fajr and Isha are solved at their own moment,
// and with a portion-of-the-night rule, which also needs the neighbouring days' sunrise and sunset.
void BM_YearOfDaysMethod(benchmark::State &state, Location place, int code, HighLatitudeRule rule)
{
    namespace chr = std::chrono;
    PrayerMethod m = method(code);
    m.highLatitudeRule = rule;
    std::vector<CivilDate> dates;
    for (chr::sys_days d{chr::year{2026} / 1 / 1}; d <= chr::sys_days{chr::year{2026} / 12 / 31};
         d += chr::days{1}) {
        const chr::year_month_day ymd{d};
        dates.push_back({int(unsigned(ymd.day())), int(unsigned(ymd.month())), int(ymd.year())});
    }
    for (auto _ : state) {
        PrayerEngine engine;
        for (const CivilDate &date : dates)
            solveDay(engine, place, m, date);
    }
    state.counters["per_day"] = benchmark::Counter(static_cast<double>(dates.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_YearOfDaysMethod, 41N_Diyanet, istanbul, 8, HighLatitudeRule::Nearest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_YearOfDaysMethod, 41N_Morocco, istanbul, 17, HighLatitudeRule::Nearest)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_YearOfDaysMethod, 65N_MWL_angle, Location{25.0, 65.0, 2, 0, 0, 1010, 10}, 5,
                  HighLatitudeRule::TwilightAngle)
    ->Unit(benchmark::kMillisecond);

// (c) No true night at 65 N, on an engine that has seen no other day: one whole search.
void BM_HighLatitudeDay(benchmark::State &state)
{
    const Location place{25.0, 65.0, 2, 0, 0, 1010, 10};
    const PrayerMethod m = method(5);
    const CivilDate date{21, 6, 2026};
    for (auto _ : state) {
        PrayerEngine engine;
        solveDay(engine, place, m, date);
    }
}
BENCHMARK(BM_HighLatitudeDay)->Unit(benchmark::kMicrosecond);

// (d) The refresh with nothing changed.
void BM_ScheduleUnchanged(benchmark::State &state)
{
    ScheduleInputs in;
    in.date = {5, 12, 2026};
    in.latitude = 41.0;
    in.longitude = 29.0;
    in.timeZone = 2;
    ScheduleCalculator calc;
    calc.compute(in);
    for (auto _ : state)
        benchmark::DoNotOptimize(calc.compute(in));
}
BENCHMARK(BM_ScheduleUnchanged);

// For reading the others: one evaluation of the Sun's position.
void BM_SolarCoordinates(benchmark::State &state)
{
    double jd = 2461000.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solarCoordinates(jd));
        jd += 1;
    }
}
BENCHMARK(BM_SolarCoordinates);

} // namespace

BENCHMARK_MAIN();
