#include "dinigunler.h"

#include "hicrimiladihesap.h"

namespace ravla {

namespace {

HijriDate hijriOf(long dayNumber, HijriCalendar calendar, int correction)
{
    const CivilDate d = civilDateOf(dayNumber);
    HicriMiladiHesap h;
    h.Hesapla(d.day, d.month, d.year, correction, calendar);
    return {h.yil, h.ay, h.gun};
}

struct Name {
    const char *turkish, *english;
};
constexpr Name kNames[] = {
    {"Üç Ayların Başlangıcı", "Beginning of the three holy months"},
    {"Regaib Kandili", "Night of Raghaib"},
    {"Miraç Kandili", "Night of the Ascension (Miraj)"},
    {"Berat Kandili", "Night of Forgiveness (Baraat)"},
    {"Ramazan Başlangıcı", "Beginning of Ramadan"},
    {"Kadir Gecesi", "Night of Power (Qadr)"},
    {"Arefe", "Eve of Eid al-Fitr"},
    {"Ramazan Bayramı 1. Gün", "Eid al-Fitr, day 1"},
    {"Ramazan Bayramı 2. Gün", "Eid al-Fitr, day 2"},
    {"Ramazan Bayramı 3. Gün", "Eid al-Fitr, day 3"},
    {"Arefe", "Day of Arafah"},
    {"Kurban Bayramı 1. Gün", "Eid al-Adha, day 1"},
    {"Kurban Bayramı 2. Gün", "Eid al-Adha, day 2"},
    {"Kurban Bayramı 3. Gün", "Eid al-Adha, day 3"},
    {"Kurban Bayramı 4. Gün", "Eid al-Adha, day 4"},
    {"Hicri Yılbaşı", "Islamic New Year"},
    {"Aşure Günü", "Day of Ashura"},
    {"Mevlid Kandili", "Night of the Prophet's Birth (Mawlid)"},
};

} // namespace

std::vector<DiniGun> diniGunler(const CivilDate &date, HijriCalendar calendar, int correction)
{
    std::vector<DiniGun> gunler;
    const long n = civilDayNumber(date);
    if (n == 0)
        return gunler;
    const HijriDate h = hijriOf(n, calendar, correction);
    const HijriDate yarin = hijriOf(n + 1, calendar, correction);
    const auto gun = [&h](int ay, int g) { return h.month == ay && h.day == g; };
    if (gun(7, 1))
        gunler.push_back(DiniGun::UcAylar);
    // Friday is (n + 1) % 7 == 5 for a Julian day number n: the evening before the first Friday.
    if ((n + 2) % 7 == 5 && yarin.month == 7 && yarin.day <= 7)
        gunler.push_back(DiniGun::Regaib);
    if (gun(7, 26))
        gunler.push_back(DiniGun::Mirac);
    if (gun(8, 14))
        gunler.push_back(DiniGun::Berat);
    if (gun(9, 1))
        gunler.push_back(DiniGun::Ramazan);
    if (gun(9, 26))
        gunler.push_back(DiniGun::Kadir);
    if (h.month == 9 && yarin.month == 10)
        gunler.push_back(DiniGun::RamazanArefe);
    if (h.month == 10 && h.day <= 3)
        gunler.push_back(
            static_cast<DiniGun>(static_cast<int>(DiniGun::RamazanBayrami1) + h.day - 1));
    if (gun(12, 9))
        gunler.push_back(DiniGun::KurbanArefe);
    if (h.month == 12 && h.day >= 10 && h.day <= 13)
        gunler.push_back(
            static_cast<DiniGun>(static_cast<int>(DiniGun::KurbanBayrami1) + h.day - 10));
    if (gun(1, 1))
        gunler.push_back(DiniGun::HicriYilbasi);
    if (gun(1, 10))
        gunler.push_back(DiniGun::Asure);
    if (gun(3, 11))
        gunler.push_back(DiniGun::Mevlid);
    return gunler;
}

bool geceMi(DiniGun gun)
{
    return gun == DiniGun::Regaib || gun == DiniGun::Mirac || gun == DiniGun::Berat ||
           gun == DiniGun::Kadir || gun == DiniGun::Mevlid;
}

const char *diniGunAdi(DiniGun gun)
{
    return kNames[static_cast<int>(gun)].turkish;
}

const char *diniGunIngilizce(DiniGun gun)
{
    return kNames[static_cast<int>(gun)].english;
}

} // namespace ravla
