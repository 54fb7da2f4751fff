#include "hicrimiladihesap.h"

#include <cmath>

double HicriMiladiHesap::tamKisim(double x)
{
    if (x < -0.0000001)
        return std::ceil(x - 0.0000001);
    return std::floor(x + 0.0000001);
}

const char *HicriMiladiHesap::ayAdiOf(int ay)
{
    static const char *const names[] = {
        "محرم", "صفر",   "ربيع الول", "ربيع الثاني", "جمادى الاولى", "جمادى الثاني",
        "رجب",  "شعبان", "رمضان",     "شوّال",        "ذو القعدة",    "ذو الحجة",
    };
    return ay >= 1 && ay <= 12 ? names[ay - 1] : "";
}

void HicriMiladiHesap::Hesapla(int d, int m, int y, int duzeltme)
{
    const int a = (m - 14) / 12;
    double jd = tamKisim(1461.0 * (y + 4800 + a) / 4.0) +
                tamKisim(367.0 * (m - 2 - 12 * a) / 12.0) -
                tamKisim(3.0 * tamKisim((y + 4900 + a) / 100.0) / 4.0) + d - 32075;
    jd += 1 + duzeltme; // the calendar is shown one day ahead, and moved by the user's days
    double l = jd - 1948440 + 10632;
    const double n = tamKisim((l - 1) / 10631.0);
    l = l - 10631 * n + 354;
    const double j = tamKisim((10985 - l) / 5316.0) * tamKisim(50 * l / 17719.0) +
                     tamKisim(l / 5670.0) * tamKisim(43 * l / 15238.0);
    l = l - tamKisim((30 - j) / 15.0) * tamKisim(17719 * j / 50.0) -
        tamKisim(j / 16.0) * tamKisim(15238 * j / 43.0) + 29;
    ay = static_cast<int>(tamKisim(24 * l / 709.0));
    gun = static_cast<int>(l) - (709 * ay) / 24;
    yil = static_cast<int>(30 * n + j - 30);
    ayAdi = ayAdiOf(ay);
}

std::string HicriMiladiHesap::tarihMetni() const
{
    return std::to_string(gun) + "." + std::to_string(ay) + "." + std::to_string(yil);
}
