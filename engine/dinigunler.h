#pragma once

#include "hicritakvim.h"

#include <vector>

// Religious days and nights as Diyanet's "Dini Günler ve Geceler" lists them, each on the
// Gregorian day it names; a kandil night is listed on the day whose evening begins it.

namespace ravla {

enum class DiniGun {
    UcAylar,      // 1 Receb
    Regaib,       // the night before the first Friday of Receb (a Thursday)
    Mirac,        // night of 27 Receb (26 Receb)
    Berat,        // night of 15 Şaban (14 Şaban)
    Ramazan,      // 1 Ramazan
    Kadir,        // night of 27 Ramazan (26 Ramazan)
    RamazanArefe, // the last day of Ramazan
    RamazanBayrami1,
    RamazanBayrami2,
    RamazanBayrami3,
    KurbanArefe, // 9 Zilhicce
    KurbanBayrami1,
    KurbanBayrami2,
    KurbanBayrami3,
    KurbanBayrami4,
    HicriYilbasi, // 1 Muharrem
    Asure,        // 10 Muharrem
    Mevlid,       // night of 12 Rebiülevvel (11 Rebiülevvel)
};

// The days listed on the date (1 Receb can be Regaib's Thursday too), by the calendar with the
// user's correction.
std::vector<DiniGun> diniGunler(const CivilDate &date, HijriCalendar calendar, int correction);
// A kandil: the night after the listed day's sunset.
bool geceMi(DiniGun gun);
// Diyanet's Turkish name and the English one, UTF-8.
const char *diniGunAdi(DiniGun gun);
const char *diniGunIngilizce(DiniGun gun);

} // namespace ravla
