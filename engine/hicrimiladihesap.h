#pragma once

#include "hicritakvim.h"

#include <string>

namespace ravla {

// Gregorian date to the Hijri date of the chosen calendar (hicritakvim.h); the tabular
// (arithmetical) one is shown advanced by one day.
class HicriMiladiHesap
{
public:
    // Gregorian day, month (1..12) and year, from 15 October 1582 on. `correction` is the user's
    // correction in days (-2..2 in use): the Hijri date of the Gregorian day that many days
    // later, so month and year boundaries move with it. A day that does not exist gives 0.0.0
    // outside the tabular calendar.
    void Hesapla(int day, int month, int year, int correction = 0,
                 HijriCalendar calendar = HijriCalendar::Tabular);

    std::string tarihMetni() const; // "gun.ay.yil", as the window and the timetables show it

    int gun = 0;
    int ay = 0;
    int yil = 0;
    std::string ayAdi; // the month's name, UTF-8
};

} // namespace ravla
