#include "vakitsecenekleri.h"

#include "saatdilimi.h"

#include <algorithm>
#include <iterator>

vakit::Run ayarlardanSecenekler(const AyarDegerleri &ayar)
{
    vakit::Run o;
    o.inputs.latitude = ayar.enlem;
    o.inputs.longitude = ayar.boylam;
    o.inputs.timeZone = ayar.gmt;
    o.inputs.methodCode = ayar.hesapYontemi;
    o.inputs.customMethod = ayar.ozelHesapYontem;
    o.inputs.fajrAngle = ayar.sabahAci;
    o.inputs.ishaAngle = ayar.yatsiAci;
    o.inputs.hanafi = ayar.hanefiMezhep;
    std::copy(std::begin(ayar.dakikalar), std::end(ayar.dakikalar), std::begin(o.inputs.offsets));
    o.inputs.highLatitudeRule = ayar.yuksekEnlemKurali >= 0 && ayar.yuksekEnlemKurali <= 3
                                    ? static_cast<ravla::HighLatitudeRule>(ayar.yuksekEnlemKurali)
                                    : ravla::HighLatitudeRule::Nearest;
    o.inputs.hijriOffset = ayar.hicriDuzeltme;
    o.inputs.hijriCalendar = ravla::hijriCalendarFrom(ayar.hicriTakvim);
    // A place from the city list brings its zone, whose own clock changes then apply; a place
    // typed in keeps the built-in rule, and the user's own dates win over both.
    if (SaatDilimi::bilinir(ayar.saatDilimi))
        o.zone = ayar.saatDilimi.toStdString();
    if (ayar.yazSaatiOtomatik) {
        o.inputs.dst.kind = ravla::DstRule::Automatic;
    } else {
        o.inputs.dst.kind = ravla::DstRule::Range;
        o.inputs.dst.start = {ayar.yazGunBasla, ayar.yazAyBasla, ayar.yazYilBasla};
        o.inputs.dst.end = {ayar.yazGunBitis, ayar.yazAyBitis, ayar.yazYilBitis};
    }
    return o;
}
