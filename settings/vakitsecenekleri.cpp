#include "vakitsecenekleri.h"

#include "saatdilimi.h"

#include <algorithm>
#include <iterator>

vakit::Options ayarlardanSecenekler(const AyarDegerleri &ayar)
{
    vakit::Options o;
    o.latitude = ayar.enlem;
    o.longitude = ayar.boylam;
    o.timeZone = ayar.gmt;
    o.method = ayar.hesapYontemi;
    o.custom = ayar.ozelHesapYontem;
    o.fajrAngle = ayar.sabahAci;
    o.ishaAngle = ayar.yatsiAci;
    o.hanafi = ayar.hanefiMezhep;
    std::copy(std::begin(ayar.dakikalar), std::end(ayar.dakikalar), std::begin(o.offsets));
    o.highLatitude = ayar.yuksekEnlemKurali >= 0 && ayar.yuksekEnlemKurali <= 3
                         ? static_cast<ravla::HighLatitudeRule>(ayar.yuksekEnlemKurali)
                         : ravla::HighLatitudeRule::Nearest;
    o.hijriOffset = ayar.hicriDuzeltme;
    // A place from the city list brings its zone, whose own clock changes then apply; a place
    // typed in keeps the built-in rule, and the user's own dates win over both.
    if (SaatDilimi::bilinir(ayar.saatDilimi))
        o.zone = ayar.saatDilimi.toStdString();
    if (ayar.yazSaatiOtomatik) {
        o.dst.kind = ravla::DstRule::Automatic;
    } else {
        o.dst.kind = ravla::DstRule::Range;
        o.dst.start = {ayar.yazGunBasla, ayar.yazAyBasla, ayar.yazYilBasla};
        o.dst.end = {ayar.yazGunBitis, ayar.yazAyBitis, ayar.yazYilBitis};
    }
    return o;
}
