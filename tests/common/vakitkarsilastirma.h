#pragma once

// The common ground on which the month window, the main window and ravla-vakit are held side by
// side: a day as ravla-vakit's csv writes it. For the main window, e.g.
//     ravla::PrayerTime v[7]; for (int i = 0; i < 7; ++i) v[i] = w.vakit(i);
//     QCOMPARE(csvVakitleri(v), cliAyi(w.ayarDegerleri(), yil, ay)[gun - 1].mid(1, 7));

#include "ayarlar.h"
#include "timetable.h"
#include "vakitsecenekleri.h"

#include <QList>
#include <QString>
#include <QStringList>

// The seven times of a schedule in the engine's order (Fajr .. Isha, İmsak), as the csv has
// them: İmsak first, H:MM:SS, a * on an estimate, 99:99:00 for a time the day does not have.
inline QStringList csvVakitleri(const ravla::PrayerTime *v)
{
    static const int sira[] = {ravla::Imsak, ravla::Fajr,    ravla::Sunrise, ravla::Dhuhr,
                               ravla::Asr,   ravla::Maghrib, ravla::Isha};
    QStringList h;
    for (int i : sira)
        h << QStringLiteral("%1:%2:%3%4")
                 .arg(v[i].hour)
                 .arg(v[i].minute, 2, 10, QLatin1Char('0'))
                 .arg(v[i].second, 2, 10, QLatin1Char('0'))
                 .arg(v[i].isExtreme ? QStringLiteral("*") : QString());
    return h;
}

// ravla-vakit's csv for a month under these settings, a row per day split at the commas: date,
// the seven times, Hijri date, Qibla.
inline QList<QStringList> cliAyi(const AyarDegerleri &ayar, int yil, int ay)
{
    vakit::Options o = vakit::monthRun(ayarlardanSecenekler(ayar), yil, ay);
    o.format = vakit::Format::Csv;
    QStringList satirlar = QString::fromStdString(vakit::timetableText(o))
                               .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QList<QStringList> gunler;
    for (qsizetype i = 1; i < satirlar.size(); ++i) // past the header
        gunler << satirlar[i].split(QLatin1Char(','));
    return gunler;
}

// A csv time as the page and the month window show it: "6:41:22" -> "06:41", "1:03:34*" ->
// "01:03*", "99:99:00" -> "—".
inline QString sayfaVakti(const QString &csv)
{
    if (csv.startsWith(QLatin1String("99:99")))
        return QStringLiteral("\u2014");
    const QStringList hms = QString(csv).remove(QLatin1Char('*')).split(QLatin1Char(':'));
    return QStringLiteral("%1:%2")
               .arg(hms.value(0).toInt(), 2, 10, QLatin1Char('0'))
               .arg(hms.value(1)) +
           (csv.endsWith(QLatin1Char('*')) ? QStringLiteral("*") : QString());
}
