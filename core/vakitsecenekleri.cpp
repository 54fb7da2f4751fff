#include "vakitsecenekleri.h"

#include "jakimbolge.h"
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
    jakimBolgesineKoy(o, ayarinJakimBolgesi(ayar));
    return o;
}

JakimBolge::Eslesme ayarinJakimBolgesi(const AyarDegerleri &ayar)
{
    if (ayar.ozelHesapYontem || ayar.hesapYontemi != 14)
        return {};
    // A place of the list: its name and province; one typed in: where it lies, unless its
    // clock is another country's (Singapore is a few kilometres from Johor Bahru).
    if (JakimBolge::malezya(ayar.ulkeAdi))
        return JakimBolge::listedekiYer(ayar.sehirAdi.section(QLatin1Char(','), 0, 0),
                                        ayar.sehirAdi.section(QLatin1Char(','), 1, 1), ayar.enlem,
                                        ayar.boylam);
    if (ayar.saatDilimi.isEmpty() || ayar.saatDilimi == QLatin1String("Asia/Kuala_Lumpur") ||
        ayar.saatDilimi == QLatin1String("Asia/Kuching"))
        return JakimBolge::elleGirilen(ayar.enlem, ayar.boylam);
    return {};
}

void jakimBolgesineKoy(vakit::Run &o, const JakimBolge::Eslesme &e)
{
    if (!e.bolge)
        return;
    o.inputs.latitude = e.bolge->enlem;
    o.inputs.longitude = e.bolge->boylam;
    o.inputs.elevation = e.bolge->yukseklik;
    o.jakimZone = JakimBolge::baslik(*e.bolge).toStdString();
    o.jakimNote = e.enYakin
                      ? QStringLiteral("the zone of %1, the nearest place JAKIM names, %2 km away")
                            .arg(e.yakinYer)
                            .arg(std::lround(e.km))
                            .toStdString()
                      : std::string();
}
