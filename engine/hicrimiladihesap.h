#pragma once

#include <string>

// Gregorian date to the tabular (arithmetical) Hijri calendar, advanced by one day.
class HicriMiladiHesap
{
public:
    HicriMiladiHesap() = default;
    virtual ~HicriMiladiHesap() = default;

    // Gregorian day, month (1..12) and year, from 15 October 1582 on.
    // `duzeltme` is the user's correction in days (-2..2 in use): the Hijri date of the
    // Gregorian day that many days later, so month and year boundaries move with it.
    void Hesapla(int gun, int ay, int yil, int duzeltme = 0);

    // Integer part with a tolerance of 1e-7, so that 2.99999995 counts as 3.
    static double tamKisim(double x);

    static const char *ayAdiOf(int ay); // "" outside 1..12

    std::string tarihMetni() const; // "gun.ay.yil", as the window and the timetables show it

    int gun = 0;
    int ay = 0;
    int yil = 0;
    std::string ayAdi; // UTF-8
};
