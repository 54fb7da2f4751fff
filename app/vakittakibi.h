#pragma once

#include "prayertimes.h"

#include <QDateTime>

#include <vector>

// Follows the five prayer moments of yesterday's and today's schedule: which one a
// tick has reached, which comes next, and how long until it.
//
// Moments are local wall-clock milliseconds counted from Julian day 0, so that an
// entry of 24:40 (a late Isha under daylight saving) is simply 00:40 of the next day.
class VakitTakibi
{
public:
    struct Vakit {
        qint64 an;
        int no;
    };

    // Schedules in the order Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak.
    void vakitleriKur(qint64 bugunJulianGun, const ravla::PrayerTime bugun[7],
                      const ravla::PrayerTime dun[7]);

    // The prayer (1 Fajr .. 5 Isha) whose moment lies after the previous tick and at or
    // before this one, at most a minute ago, and was not raised before; 0 for none.
    // The first tick only sets the starting point.
    int tik(qint64 simdiMs);
    // The wall-clock moment of the prayer tik last raised; -1 before the first.
    qint64 sonGelenAn() const { return sonGelen_; }

    // The next prayer after this moment and when it is; after Isha, tomorrow's Fajr at
    // today's Fajr time. 0 when there is nothing to name (no Fajr exists).
    int sonrakiVakit(qint64 simdiMs, qint64 *an = nullptr) const;

    struct KalanSure {
        int saat;
        int dakika;
    };
    // Whole seconds between two instants (milliseconds since the epoch) as hours and minutes,
    // the running minute counted (so 45:00 left reads 46 minutes), capped at 59 minutes. Between
    // real instants, a clock change on the way (an hour less in spring, one more in autumn) is
    // counted.
    static KalanSure kalanSure(qint64 simdiAn, qint64 hedefAn);
    // The instant of the wall-clock moment `duvarMs` on `ornek`'s clock (its zone, local time
    // or offset).
    static qint64 gercekAn(const QDateTime &ornek, qint64 duvarMs);

    static qint64 duvarSaatiMs(const QDateTime &t);
    static qint64 an(qint64 julianGun, int saat, int dakika);

    // The moments a reminder comes, `dakika` minutes before each time of yesterday's, today's
    // and tomorrow's schedules (an İmsak just after midnight is reminded of the evening
    // before): İmsak is 6, the prayers 1 to 5; a reminder that is off (0) or a time that does
    // not exist has none.
    static std::vector<Vakit> hatirlatmaAnlari(qint64 bugunJulianGun,
                                               const ravla::PrayerTime bugun[7],
                                               const ravla::PrayerTime dun[7],
                                               const ravla::PrayerTime yarin[7],
                                               const int dakika[6]);
    // Follows these moments instead of the prayers' (tik then raises their numbers).
    void anlariKur(std::vector<Vakit> anlar);

private:
    std::vector<Vakit> vakitler_; // sorted by moment
    qint64 yarinkiSabah_ = -1;    // fallback target after Isha, -1 when Fajr does not exist
    qint64 oncekiTik_ = -1;
    qint64 sonGelen_ = -1;
    std::vector<qint64> calanlar_;
};
