#include "gunlukvakitler.h"

#include "vakitsecenekleri.h"

#include <QTimeZone>

#include <algorithm>
#include <iterator>

GunlukVakitler::GunlukVakitler(QObject *parent) : QObject(parent) {}

void GunlukVakitler::ayarla(const AyarDegerleri &yeni)
{
    if (girdiAyari && !(yeni == *girdiAyari))
        girdiAyari.reset();
    ayar = yeni;
}

// The day's inputs as the command line and the month's timetable build them, so that the three
// never disagree. Looking a zone up costs more than a tick may: the inputs are kept while the
// settings stay as they are.
ravla::ScheduleInputs GunlukVakitler::girdiler(const QDate &tarih)
{
    if (!girdiAyari || girdiler_.size() > 8) {
        girdiAyari = ayar;
        girdiSecenekleri = ayarlardanSecenekler(ayar);
        girdiler_.clear();
    }
    auto i = girdiler_.find(tarih.toJulianDay());
    if (i == girdiler_.end())
        i = girdiler_.insert(
            tarih.toJulianDay(),
            vakit::inputsFor(girdiSecenekleri, {tarih.day(), tarih.month(), tarih.year()}));
    return *i;
}

void GunlukVakitler::hesapla(const QDate &bugun)
{
    const ravla::DaySchedule &s = bugunHesap.compute(girdiler(bugun));
    const bool hatirlatmaDegisti = !std::equal(std::begin(ayar.hatirlat), std::end(ayar.hatirlat),
                                               std::begin(kurulanHatirlat));
    if (kuruldu && bugunHesap.generation() == yazilanNesil && !hatirlatmaDegisti)
        return; // nothing changed since the last second
    kuruldu = true;
    gun = s;
    yazilanNesil = bugunHesap.generation();

    // Yesterday's schedule too: its Isha may fall after our midnight.
    const ravla::PrayerTime *dun = dunHesap.compute(girdiler(bugun.addDays(-1))).times;
    const qint64 bugunGun = bugun.toJulianDay();
    takip.vakitleriKur(bugunGun, gun.times, dun);
    // Tomorrow's for the reminders: one before an İmsak just after midnight comes tonight.
    const ravla::PrayerTime *yarin = yarinHesap.compute(girdiler(bugun.addDays(1))).times;
    hatirlatmaTakibi.anlariKur(
        VakitTakibi::hatirlatmaAnlari(bugunGun, gun.times, dun, yarin, ayar.hatirlat));
    std::copy(std::begin(ayar.hatirlat), std::end(ayar.hatirlat), std::begin(kurulanHatirlat));
    emit vakitlerDegisti(gun);
}

void GunlukVakitler::tik(const QDateTime &simdi)
{
    const qint64 simdiMs = VakitTakibi::duvarSaatiMs(simdi);
    hesapla(simdi.date());
    if (const int gelen = takip.tik(simdiMs))
        emit vakitGeldi(gelen);
    if (const int hatirlatilan = hatirlatmaTakibi.tik(simdiMs))
        emit hatirlatmaGeldi(hatirlatilan);

    sonraki_ = {};
    sonraki_.vakit = takip.sonrakiVakit(simdiMs, &sonraki_.hedefMs);
    if (sonraki_.vakit != 0) {
        const VakitTakibi::KalanSure kalan =
            VakitTakibi::kalanSure(gercekSimdi(simdi, simdiMs), hedefAni(simdi));
        sonraki_.saat = kalan.saat;
        sonraki_.dakika = kalan.dakika;
    }
}

bool GunlukVakitler::ayniSaatDilimi(const QDateTime &simdi) const
{
    if (simdi.timeSpec() != dilimTuru)
        return false;
    if (dilimTuru == Qt::TimeZone)
        return simdi.timeZone() == dilim;
    return dilimTuru != Qt::OffsetFromUTC || simdi.offsetFromUtc() == sabitOfset;
}

void GunlukVakitler::saatDiliminiAl(const QDateTime &simdi)
{
    dilimTuru = simdi.timeSpec();
    dilim = dilimTuru == Qt::TimeZone ? simdi.timeZone() : QTimeZone();
    sabitOfset = dilimTuru == Qt::OffsetFromUTC ? simdi.offsetFromUtc() : 0;
    hedefDuvar = -1;
    ofsetDakikasi = -1;
}

// Turning a local time into an instant asks the zone's rules, which costs more than the rest of
// the tick. Clocks change on whole minutes, so within a minute of the wall clock the offset
// found at its first tick still holds.
qint64 GunlukVakitler::gercekSimdi(const QDateTime &simdi, qint64 duvarMs)
{
    if (!ayniSaatDilimi(simdi))
        saatDiliminiAl(simdi);
    if (duvarMs / 60000 != ofsetDakikasi) {
        ofsetDakikasi = duvarMs / 60000;
        duvarOfseti = duvarMs - simdi.toMSecsSinceEpoch();
    }
    return duvarMs - duvarOfseti;
}

// The target's instant changes a few times a day: worked out once for each.
qint64 GunlukVakitler::hedefAni(const QDateTime &simdi)
{
    if (sonraki_.hedefMs != hedefDuvar) {
        hedefDuvar = sonraki_.hedefMs;
        hedefAn = VakitTakibi::gercekAn(simdi, hedefDuvar);
    }
    return hedefAn;
}

int GunlukVakitler::simdikiVakit(const QTime &simdi) const
{
    // An entry that is no clock time of the day (99:99, or 24:40 under daylight saving)
    // never holds its rule; the next one decides.
    const auto once = [&](int i) {
        const ravla::PrayerTime &v = gun.times[i];
        return v.hour >= 0 && v.hour <= 23 && simdi < QTime(v.hour, v.minute);
    };
    if (once(ravla::Sunrise))
        return 1;
    if (once(ravla::Asr))
        return 2;
    if (once(ravla::Maghrib))
        return 3;
    if (once(ravla::Isha))
        return 4;
    return simdi < QTime(23, 59) ? 5 : 0;
}
