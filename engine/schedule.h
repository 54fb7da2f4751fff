#pragma once

#include "hicritakvim.h"
#include "prayertimes.h"

namespace ravla {

struct DstRule {
    enum Kind { None, Automatic, Range, Shift };
    Kind kind = Automatic;
    CivilDate start{0, 0, 0}; // Range: in force from start ...
    CivilDate end{0, 0, 0}; // ... up to but not including end; a date that does not exist is day 0
    double shiftHours = 0;  // Shift: the place's own clock change that day (a zone's real rule)

    bool operator==(const DstRule &) const = default;
};

// Everything a day's schedule depends on.
struct ScheduleInputs {
    CivilDate date;
    double latitude = 49.08;
    double longitude = 9.14;
    double timeZone = 1;
    double elevation = 0; // metres: lowers the horizon of sunrise and sunset
    int methodCode = 5;
    bool customMethod = false; // custom Fajr and Isha angles instead of methodCode
    double fajrAngle = 0;
    double ishaAngle = 0;
    bool hanafi = false;
    DstRule dst;
    // The user's own minutes on top of the method's, in PrayerIndex order: Fajr, sunrise,
    // Dhuhr, Asr, Maghrib, Isha, İmsak. Each -30..30; anything else counts as 0.
    int offsets[7] = {};
    HighLatitudeRule highLatitudeRule = HighLatitudeRule::Nearest;
    int hijriOffset = 0; // days, -2..2 (else 0): decides Ramadan for the methods that ask
    HijriCalendar hijriCalendar = HijriCalendar::Tabular; // ... with this calendar's Ramadan

    bool operator==(const ScheduleInputs &) const = default;
};

struct DaySchedule {
    // Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak in local clock time, daylight saving applied
    // (so a late Isha may read 24:40); a time that does not exist stays 99:99.
    PrayerTime times[7];
    double qibla = 0;     // degrees clockwise from north
    int qiblaDegrees = 0; // whole degrees
    bool dstInForce = false;
};

PrayerMethod methodFor(const ScheduleInputs &inputs);
inline constexpr int kMaxOffsetMinutes = 30;
inline constexpr int kMaxHijriOffset = 2;
// The user's Hijri correction as used: out of range counts as none.
int hijriCorrection(const ScheduleInputs &inputs);
// Whether the date falls in Ramadan by the chosen Hijri calendar, moved by `hijriOffset` days.
bool inRamadan(const CivilDate &date, int hijriOffset,
               HijriCalendar calendar = HijriCalendar::Tabular);
bool dstInForce(const DstRule &rule, const CivilDate &date);
// Hours the rule moves the clock on that date: 0 or 1, or a zone's own shift.
double dstShift(const DstRule &rule, const CivilDate &date);

// Computes a day's schedule and keeps it: asking again with the same inputs costs a comparison.
class ScheduleCalculator
{
public:
    const DaySchedule &compute(const ScheduleInputs &inputs);
    // How many times the engine actually ran; lets callers skip work when nothing changed.
    unsigned long generation() const { return generation_; }

private:
    PrayerEngine engine_;
    ScheduleInputs last_;
    DaySchedule result_;
    unsigned long generation_ = 0;
};

} // namespace ravla
