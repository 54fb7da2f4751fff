#include "hicrimiladihesap.h"

#include "astronomy.h"

#include <cmath>

namespace ravla {

namespace {

// Integer part with a tolerance of 1e-7, so that 2.99999995 counts as 3.
double integerPart(double x)
{
    if (x < -0.0000001)
        return std::ceil(x - 0.0000001);
    return std::floor(x + 0.0000001);
}

const char *monthName(int month) // "" outside 1..12
{
    static const char *const names[] = {
        "محرم", "صفر",   "ربيع الول", "ربيع الثاني", "جمادى الاولى", "جمادى الثاني",
        "رجب",  "شعبان", "رمضان",     "شوّال",        "ذو القعدة",    "ذو الحجة",
    };
    return month >= 1 && month <= 12 ? names[month - 1] : "";
}

} // namespace

void HicriMiladiHesap::Hesapla(int day, int month, int year, int correction, HijriCalendar calendar)
{
    if (calendar != HijriCalendar::Tabular) {
        const long n = civilDayNumber({day, month, year});
        const HijriDate h = n == 0 ? HijriDate{} : hijriDate(civilDateOf(n + correction), calendar);
        gun = h.day;
        ay = h.month;
        yil = h.year;
        ayAdi = monthName(ay);
        return;
    }
    const int a = (month - 14) / 12;
    double jd = integerPart(1461.0 * (year + 4800 + a) / 4.0) +
                integerPart(367.0 * (month - 2 - 12 * a) / 12.0) -
                integerPart(3.0 * integerPart((year + 4900 + a) / 100.0) / 4.0) + day - 32075;
    jd += 1 + correction; // the calendar is shown one day ahead, and moved by the user's days
    double l = jd - 1948440 + 10632;
    const double n = integerPart((l - 1) / 10631.0);
    l = l - 10631 * n + 354;
    const double j = integerPart((10985 - l) / 5316.0) * integerPart(50 * l / 17719.0) +
                     integerPart(l / 5670.0) * integerPart(43 * l / 15238.0);
    l = l - integerPart((30 - j) / 15.0) * integerPart(17719 * j / 50.0) -
        integerPart(j / 16.0) * integerPart(15238 * j / 43.0) + 29;
    ay = static_cast<int>(integerPart(24 * l / 709.0));
    gun = static_cast<int>(l) - (709 * ay) / 24;
    yil = static_cast<int>(30 * n + j - 30);
    ayAdi = monthName(ay);
}

std::string HicriMiladiHesap::tarihMetni() const
{
    return std::to_string(gun) + "." + std::to_string(ay) + "." + std::to_string(yil);
}

} // namespace ravla
