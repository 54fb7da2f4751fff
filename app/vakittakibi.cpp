#include "vakittakibi.h"

#include <QTimeZone>

#include <algorithm>

namespace {

constexpr qint64 kGunMs = 86400000;
constexpr qint64 kGecikmeSiniriMs = 60000; // older moments were slept through: no alert

constexpr ravla::PrayerIndex kNamazlar[5] = {ravla::Fajr, ravla::Dhuhr, ravla::Asr, ravla::Maghrib,
                                             ravla::Isha};

} // namespace

qint64 VakitTakibi::duvarSaatiMs(const QDateTime &t)
{
    return t.date().toJulianDay() * kGunMs + t.time().msecsSinceStartOfDay();
}

qint64 VakitTakibi::an(qint64 julianGun, int saat, int dakika)
{
    return julianGun * kGunMs + (qint64(saat) * 3600 + qint64(dakika) * 60) * 1000;
}

namespace {

// A clock time of the day or, under daylight saving, shortly after its midnight (24:40);
// the no-time value 99:99 and anything stranger never becomes a moment.
bool gecerli(const ravla::PrayerTime &v)
{
    return v.hour >= 0 && v.hour < 48 && v.minute >= 0 && v.minute < 60;
}

} // namespace

void VakitTakibi::vakitleriKur(qint64 bugunJulianGun, const ravla::PrayerTime bugun[7],
                               const ravla::PrayerTime dun[7])
{
    std::vector<Vakit> anlar;
    for (int no = 1; no <= 5; ++no) {
        const ravla::PrayerTime &d = dun[kNamazlar[no - 1]];
        if (gecerli(d))
            anlar.push_back({an(bugunJulianGun - 1, d.hour, d.minute), no});
        const ravla::PrayerTime &b = bugun[kNamazlar[no - 1]];
        if (gecerli(b))
            anlar.push_back({an(bugunJulianGun, b.hour, b.minute), no});
    }
    anlariKur(std::move(anlar));
    const ravla::PrayerTime &sabah = bugun[ravla::Fajr];
    yarinkiSabah_ = gecerli(sabah) ? an(bugunJulianGun + 1, sabah.hour, sabah.minute) : -1;
}

void VakitTakibi::anlariKur(std::vector<Vakit> anlar)
{
    std::sort(anlar.begin(), anlar.end(),
              [](const Vakit &a, const Vakit &b) { return a.an < b.an; });
    vakitler_ = std::move(anlar);
}

std::vector<VakitTakibi::Vakit> VakitTakibi::hatirlatmaAnlari(qint64 bugunJulianGun,
                                                              const ravla::PrayerTime bugun[7],
                                                              const ravla::PrayerTime dun[7],
                                                              const ravla::PrayerTime yarin[7],
                                                              const int dakika[6])
{
    // İmsak first, as the settings keep them; numbers as the prayers have them, İmsak 6.
    constexpr int kSira[6] = {ravla::Imsak, ravla::Fajr,    ravla::Dhuhr,
                              ravla::Asr,   ravla::Maghrib, ravla::Isha};
    constexpr int kNo[6] = {6, 1, 2, 3, 4, 5};
    std::vector<Vakit> anlar;
    for (int i = 0; i < 6; ++i) {
        if (dakika[i] <= 0)
            continue;
        const qint64 once = qint64(dakika[i]) * 60000;
        for (const auto &[gun, vakitler] :
             {std::pair{bugunJulianGun - 1, dun}, std::pair{bugunJulianGun, bugun},
              std::pair{bugunJulianGun + 1, yarin}}) {
            const ravla::PrayerTime &v = vakitler[kSira[i]];
            if (gecerli(v))
                anlar.push_back({an(gun, v.hour, v.minute) - once, kNo[i]});
        }
    }
    return anlar;
}

int VakitTakibi::tik(qint64 simdi)
{
    int gelen = 0;
    if (oncekiTik_ >= 0) {
        for (const Vakit &v : vakitler_) {
            const bool yeni =
                oncekiTik_ < v.an && v.an <= simdi && simdi - v.an <= kGecikmeSiniriMs;
            // The clock may be set back: a moment never sounds twice.
            if (yeni && std::find(calanlar_.begin(), calanlar_.end(), v.an) == calanlar_.end()) {
                calanlar_.push_back(v.an);
                gelen = v.no; // two at once: the later one sounds
                sonGelen_ = v.an;
            }
        }
        std::erase_if(calanlar_, [simdi](qint64 an) { return an < simdi - 2 * kGunMs; });
    }
    oncekiTik_ = simdi;
    return gelen;
}

int VakitTakibi::sonrakiVakit(qint64 simdi, qint64 *hedef) const
{
    const auto v = std::find_if(vakitler_.begin(), vakitler_.end(),
                                [simdi](const Vakit &v) { return v.an > simdi; });
    if (v != vakitler_.end()) {
        if (hedef)
            *hedef = v->an;
        return v->no;
    }
    if (yarinkiSabah_ < 0)
        return 0;
    if (hedef)
        *hedef = yarinkiSabah_;
    return 1;
}

qint64 VakitTakibi::gercekAn(const QDateTime &ornek, qint64 duvarMs)
{
    const QDate gun = QDate::fromJulianDay(duvarMs / kGunMs);
    const QTime saat = QTime::fromMSecsSinceStartOfDay(static_cast<int>(duvarMs % kGunMs));
    const QDateTime an = ornek.timeSpec() == Qt::TimeZone
                             ? QDateTime(gun, saat, ornek.timeZone())
                             : QDateTime(gun, saat, ornek.timeSpec(), ornek.offsetFromUtc());
    return an.toMSecsSinceEpoch();
}

VakitTakibi::KalanSure VakitTakibi::kalanSure(qint64 simdiAn, qint64 hedefAn)
{
    const qint64 saniye = hedefAn / 1000 - simdiAn / 1000;
    const int saatler = static_cast<int>(saniye / 3600);
    int dakika = static_cast<int>((saniye - 3600 * qint64(saatler)) / 60);
    if (dakika <= 58)
        ++dakika;
    return {saatler, dakika};
}
