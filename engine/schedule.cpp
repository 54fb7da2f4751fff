#include "schedule.h"

#include <cmath>

namespace ravla {

PrayerMethod methodFor(const ScheduleInputs &in)
{
    PrayerMethod method;
    if (in.customMethod) {
        methodDefaults(0, method);
        method.fajrAngle = in.fajrAngle;
        method.ishaAngle = in.ishaAngle;
    } else {
        methodDefaults(in.methodCode, method);
    }
    method.asrFactor = in.hanafi ? 2 : 1;
    method.rounding = 0;
    return method;
}

bool dstInForce(const DstRule &rule, const CivilDate &date)
{
    switch (rule.kind) {
    case DstRule::None:
        return false;
    case DstRule::Automatic: {
        const DstWindow window = daylightSavingWindow(date.year);
        const int n = dayOfYear(date.year, date.month, date.day);
        return window.firstDay <= n && n <= window.lastDay;
    }
    case DstRule::Range: {
        const long today = civilDayNumber(date);
        return civilDayNumber(rule.start) <= today && today < civilDayNumber(rule.end);
    }
    }
    return false;
}

const DaySchedule &ScheduleCalculator::compute(const ScheduleInputs &in)
{
    if (generation_ != 0 && in == last_)
        return result_;

    const Location place{in.longitude, in.latitude, in.timeZone, 0, 0, 1010, 10};
    const PrayerMethod method = methodFor(in);
    DaySchedule s;
    engine_.prayerTimesForDay(place, method, in.date, s.times);
    s.times[Imsak] = engine_.imsakForDay(place, method, in.date);
    s.qibla = qiblaAngle(place);
    if (!std::isfinite(s.qibla))
        s.qibla = 0; // a place that is not a number has no direction either
    s.qiblaDegrees = static_cast<int>(s.qibla);
    s.dstInForce = dstInForce(in.dst, in.date);
    if (s.dstInForce) {
        for (PrayerTime &t : s.times)
            if (t.exists())
                t.hour += 1; // not wrapped: a late Isha reads 24:xx
    }

    result_ = s;
    last_ = in;
    ++generation_;
    return result_;
}

} // namespace ravla
