#include "schedule.h"

#include "hicrimiladihesap.h"

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
    switch (in.highLatitudeRule) { // a number that names no rule keeps the default
    case HighLatitudeRule::Nearest:
    case HighLatitudeRule::MiddleOfNight:
    case HighLatitudeRule::OneSeventh:
    case HighLatitudeRule::TwilightAngle:
        method.highLatitudeRule = in.highLatitudeRule;
        break;
    }
    if (method.ramadanIshaInterval != 0 &&
        inRamadan(in.date, hijriCorrection(in), in.hijriCalendar))
        method.ishaInterval = method.ramadanIshaInterval;
    for (int i = 0; i < 7; ++i) {
        if (in.offsets[i] >= -kMaxOffsetMinutes && in.offsets[i] <= kMaxOffsetMinutes)
            method.shiftSeconds[i] += in.offsets[i] * 60.0;
    }
    return method;
}

int hijriCorrection(const ScheduleInputs &in)
{
    const int n = in.hijriOffset;
    return n >= -kMaxHijriOffset && n <= kMaxHijriOffset ? n : 0;
}

bool inRamadan(const CivilDate &date, int hijriOffset, HijriCalendar calendar)
{
    if (civilDayNumber(date) == 0)
        return false;
    HicriMiladiHesap hijri;
    hijri.Hesapla(date.day, date.month, date.year, hijriOffset, calendar);
    return hijri.ay == 9;
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
    case DstRule::Shift:
        return rule.shiftHours != 0;
    }
    return false;
}

double dstShift(const DstRule &rule, const CivilDate &date)
{
    if (rule.kind == DstRule::Shift)
        return std::isfinite(rule.shiftHours) && std::fabs(rule.shiftHours) <= 24 ? rule.shiftHours
                                                                                  : 0;
    return dstInForce(rule, date) ? 1 : 0;
}

const DaySchedule &ScheduleCalculator::compute(const ScheduleInputs &in)
{
    if (generation_ != 0 && in == last_)
        return result_;

    const Location place{in.longitude, in.latitude, in.timeZone, 0, in.elevation, 1010, 10};
    const PrayerMethod method = methodFor(in);
    DaySchedule s;
    engine_.prayerTimesForDay(place, method, in.date, s.times);
    s.times[Imsak] = engine_.imsakForDay(place, method, in.date);
    s.qibla = qiblaAngle(place);
    if (!std::isfinite(s.qibla))
        s.qibla = 0; // a place that is not a number has no direction either
    s.qiblaDegrees = static_cast<int>(s.qibla);
    s.dstInForce = dstInForce(in.dst, in.date);
    const long shift = std::lround(dstShift(in.dst, in.date) * 3600);
    if (shift != 0) {
        for (PrayerTime &t : s.times) {
            if (!t.exists())
                continue;
            long seconds = t.hour * 3600L + t.minute * 60L + t.second + shift;
            if (seconds < 0)
                seconds += 86400; // an early time moved back into the evening before
            // Not wrapped past midnight: a late Isha reads 24:xx.
            t.hour = static_cast<int>(seconds / 3600);
            t.minute = static_cast<int>(seconds / 60 % 60);
            t.second = static_cast<int>(seconds % 60);
        }
    }

    result_ = s;
    last_ = in;
    ++generation_;
    return result_;
}

} // namespace ravla
