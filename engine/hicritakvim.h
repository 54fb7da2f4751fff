#pragma once

#include "astronomy.h"

// The three Hijri calendars the program offers. Each maps a Gregorian day to the Hijri date
// that holds from its dawn on (the Hijri day begins at the sunset before).

namespace ravla {

enum class HijriCalendar {
    Tabular = 0,   // the 30-year arithmetical cycle, shown one day ahead (the program's own)
    Diyanet = 1,   // Türkiye's: the unified Hijri calendar of the 2016 Istanbul congress
    UmmAlQura = 2, // Saudi Arabia's, as ICU carries it
};
inline constexpr int kHijriCalendarCount = 3;

// A stored number as a calendar: anything unknown is the tabular one.
HijriCalendar hijriCalendarFrom(int number);

struct HijriDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;

    bool operator==(const HijriDate &) const = default;
};

// The Gregorian day a Julian day number names, and back (civilDayNumber).
CivilDate civilDateOf(long dayNumber);

// The Hijri date of the Gregorian day; {0, 0, 0} for a day that does not exist.
HijriDate hijriDate(const CivilDate &date, HijriCalendar calendar);

// Whether, on the evening of the given UTC day (a Julian day number), the unified calendar's
// rule starts the month that follows the conjunction `newMoonUT`, so that the next day is its
// first day.
bool unifiedCalendarEvening(long dayNumber, double newMoonUT);

// The Julian day number of the first day of the month that begins after the lunation's new
// moon (moon.h's numbering) in the unified calendar. Computed once per lunation.
long unifiedMonthStart(int lunation);

} // namespace ravla
