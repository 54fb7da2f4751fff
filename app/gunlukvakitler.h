#pragma once

#include "ayarlar.h"
#include "schedule.h"
#include "timetable.h"
#include "vakittakibi.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QTimeZone>

#include <optional>

// The day's schedule as the clock runs: on each tick it computes today's times for the settings
// in force (and yesterday's and tomorrow's, whose Isha and İmsak may fall across midnight),
// decides whether a prayer's time or a reminder has come, and counts down to the next prayer.
// The window only shows what it is given.
class GunlukVakitler : public QObject
{
    Q_OBJECT

public:
    explicit GunlukVakitler(QObject *parent = nullptr);

    void ayarla(const AyarDegerleri &ayar);
    const AyarDegerleri &ayarlar() const { return ayar; }

    // One tick of the clock (local time, of whatever zone the clock has).
    void tik(const QDateTime &simdi);

    // Today's schedule as of the last tick: Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak.
    const ravla::DaySchedule &bugun() const { return gun; }

    // The next prayer after the last tick (1 Fajr .. 5 Isha; 0 when none can be named), its
    // wall-clock moment, and the hours and minutes left.
    struct Sonraki {
        int vakit = 0;
        qint64 hedefMs = 0;
        int saat = 0;
        int dakika = 0;
    };
    const Sonraki &sonraki() const { return sonraki_; }

    // The wall-clock moment (ms from Julian day 0) of the prayer vakitGeldi last raised.
    qint64 gelenVakitAni() const { return takip.sonGelenAn(); }

    // The prayer whose adhan "Oku" plays at this time of day; 0: the fallback.
    int simdikiVakit(const QTime &saat) const;

signals:
    void vakitlerDegisti(const ravla::DaySchedule &gun); // a new day, or new settings
    void vakitGeldi(int vakit);                          // 1 Fajr, 2 Dhuhr .. 5 Isha
    void hatirlatmaGeldi(int vakit);                     // a prayer 1..5, or İmsak 6

private:
    void hesapla(const QDate &bugun);
    ravla::ScheduleInputs girdiler(const QDate &tarih);
    bool ayniSaatDilimi(const QDateTime &simdi) const;
    void saatDiliminiAl(const QDateTime &simdi);
    qint64 gercekSimdi(const QDateTime &simdi, qint64 duvarMs);
    qint64 hedefAni(const QDateTime &simdi);

    AyarDegerleri ayar;
    ravla::DaySchedule gun;
    Sonraki sonraki_;
    ravla::ScheduleCalculator bugunHesap, dunHesap, yarinHesap;
    unsigned long yazilanNesil = 0; // the schedule generation last handed out
    // The inputs of the days asked for, built once for the settings they were built with.
    std::optional<AyarDegerleri> girdiAyari;
    vakit::Run girdiSecenekleri;
    QHash<qint64, ravla::ScheduleInputs> girdiler_;
    VakitTakibi takip;
    VakitTakibi hatirlatmaTakibi;
    int kurulanHatirlat[6] = {}; // the reminders hatirlatmaTakibi follows
    bool kuruldu = false;
    // The clock's zone, the wall clock's lead on UTC in the minute ofsetDakikasi, and the next
    // prayer's wall-clock moment and instant on that clock.
    Qt::TimeSpec dilimTuru = Qt::LocalTime;
    QTimeZone dilim;
    int sabitOfset = 0;
    qint64 ofsetDakikasi = -1, duvarOfseti = 0;
    qint64 hedefDuvar = -1, hedefAn = 0;
};
