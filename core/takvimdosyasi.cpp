#include "takvimdosyasi.h"

#include "ayliksayfa.h"

#include <QDate>
#include <QTime>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Olay {
    ravla::PrayerIndex vakit;
    const char *anahtar; // in the UID, as ravla-vakit's csv names the column
    const char *ad;
    bool hepsiyle; // only when İmsak and sunrise are asked for
};

// In the order of the day.
const Olay kOlaylar[] = {
    {ravla::Imsak, "imsak", QT_TRANSLATE_NOOP("TakvimDosyasi", "İmsak"), true},
    {ravla::Fajr, "fajr", QT_TRANSLATE_NOOP("TakvimDosyasi", "Sabah namazı"), false},
    {ravla::Sunrise, "sunrise", QT_TRANSLATE_NOOP("TakvimDosyasi", "Güneş doğuşu"), true},
    {ravla::Dhuhr, "dhuhr", QT_TRANSLATE_NOOP("TakvimDosyasi", "Öğle namazı"), false},
    {ravla::Asr, "asr", QT_TRANSLATE_NOOP("TakvimDosyasi", "İkindi namazı"), false},
    {ravla::Maghrib, "maghrib", QT_TRANSLATE_NOOP("TakvimDosyasi", "Akşam namazı"), false},
    {ravla::Isha, "isha", QT_TRANSLATE_NOOP("TakvimDosyasi", "Yatsı namazı"), false},
};

constexpr int kSatirSiniri = 75; // octets of a content line, CRLF not counted

long saniyesi(const ravla::PrayerTime &t)
{
    return t.hour * 3600L + t.minute * 60L + t.second;
}

QByteArray utcMetni(const QDateTime &an)
{
    return an.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

// The place to four decimals (about 11 m): a place typed in again with a last digit more is
// still the same calendar.
QByteArray yerAnahtari(double derece, char arti, char eksi)
{
    const long n = std::lround(derece * 10000);
    return QByteArray::number(std::labs(n) / 10000) + '.' +
           QByteArray::number(std::labs(n) % 10000).rightJustified(4, '0') + (n < 0 ? eksi : arti);
}

} // namespace

QString TakvimDosyasi::vakitAdi(ravla::PrayerIndex vakit)
{
    for (const Olay &o : kOlaylar)
        if (o.vakit == vakit)
            return tr(o.ad);
    return {};
}

std::optional<QDateTime> TakvimDosyasi::an(const vakit::Run &secenekler, const vakit::Day &gun,
                                           ravla::PrayerIndex vakit)
{
    const ravla::PrayerTime &t = gun.schedule.times[vakit];
    const QDate tarih(gun.date.year, gun.date.month, gun.date.day);
    if (!t.exists() || !tarih.isValid())
        return std::nullopt;
    long saniye = saniyesi(t);
    // The clock reads the day's times modulo a day: an Isha after midnight may read 0:30 and a
    // Fajr of the evening before 23:50. The day's order puts each on its side of noon.
    if (const ravla::PrayerTime &ogle = gun.schedule.times[ravla::Dhuhr]; ogle.exists()) {
        const bool sabah = vakit == ravla::Imsak || vakit == ravla::Fajr || vakit == ravla::Sunrise;
        if (sabah && saniye > saniyesi(ogle))
            saniye -= 86400;
        else if (!sabah && vakit != ravla::Dhuhr && saniye < saniyesi(ogle))
            saniye += 86400;
    }
    // Undone with the very offset the clock time was made with, so the moment is the engine's.
    const ravla::ScheduleInputs girdi = vakit::inputsFor(secenekler, gun.date);
    const double ofset = girdi.timeZone + ravla::dstShift(girdi.dst, gun.date);
    return QDateTime(tarih, QTime(0, 0), Qt::UTC).addSecs(saniye - std::lround(ofset * 3600));
}

QByteArray TakvimDosyasi::katla(const QByteArray &satir)
{
    QByteArray cikti;
    cikti.reserve(satir.size() + satir.size() / kSatirSiniri * 3 + 2);
    int uzunluk = 0;
    for (qsizetype i = 0; i < satir.size();) {
        const auto bayt = static_cast<unsigned char>(satir[i]);
        qsizetype n = bayt >= 0xF0 ? 4 : bayt >= 0xE0 ? 3 : bayt >= 0xC0 ? 2 : 1;
        n = std::min(n, satir.size() - i);
        if (uzunluk + n > kSatirSiniri) {
            cikti += "\r\n "; // the blank counts towards the next line
            uzunluk = 1;
        }
        cikti += satir.mid(i, n);
        uzunluk += static_cast<int>(n);
        i += n;
    }
    return cikti + "\r\n";
}

QString TakvimDosyasi::kacis(const QString &metin)
{
    QString cikti;
    cikti.reserve(metin.size());
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            cikti += QLatin1Char('\\');
            cikti += c;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < metin.size() && metin[i + 1] == QLatin1Char('\n'))
                continue; // CRLF is one break
            cikti += QLatin1String("\\n");
        } else if (c.unicode() >= 0x20 && c.unicode() != 0x7f) {
            cikti += c;
        } else if (c == QLatin1Char('\t')) {
            cikti += c;
        }
    }
    return cikti;
}

QByteArray TakvimDosyasi::yaz(const vakit::Run &secenekler, const Secim &secim)
{
    QByteArray cikti;
    const auto satir = [&cikti](const QByteArray &s) { cikti += katla(s); };
    const auto metin = [&satir](const char *ad, const QString &deger) {
        satir(QByteArray(ad) + ':' + kacis(deger).toUtf8());
    };
    const QString yer = secim.yer.trimmed();
    const QByteArray damga =
        utcMetni(secim.damga.isValid() ? secim.damga : QDateTime::currentDateTimeUtc());
    const QByteArray konum = yerAnahtari(secenekler.inputs.latitude, 'N', 'S') +
                             yerAnahtari(secenekler.inputs.longitude, 'E', 'W');
    const QString aciklama = AylikSayfa::yontemMetni(secenekler) + QLatin1Char('\n') +
                             AylikSayfa::konumMetni(secenekler);
    const QString tahmin = AylikSayfa::aciklamalar().value(0);
    const QByteArray geo = "GEO:" + QByteArray::number(secenekler.inputs.latitude, 'f', 6) + ';' +
                           QByteArray::number(secenekler.inputs.longitude, 'f', 6);

    satir("BEGIN:VCALENDAR");
    satir("VERSION:2.0");
    satir("PRODID:-//Zorva Yazilim//Ravla Namaz Vakti//TR");
    satir("CALSCALE:GREGORIAN");
    satir("METHOD:PUBLISH");
    metin("X-WR-CALNAME",
          yer.isEmpty() ? tr("Namaz vakitleri") : tr("Namaz vakitleri — %1").arg(yer));
    vakit::computeDays(secenekler, [&](const vakit::Day &gun) {
        char tarih[16];
        std::snprintf(tarih, sizeof tarih, "%04d%02d%02d", gun.date.year, gun.date.month,
                      gun.date.day);
        for (const Olay &o : kOlaylar) {
            if (o.hepsiyle && !secim.imsakVeGunes)
                continue;
            const std::optional<QDateTime> baslangic = an(secenekler, gun, o.vakit);
            // A late Isha of 31 December 9999 has no date iCalendar can write.
            if (!baslangic || baslangic->date().year() > 9999)
                continue;
            satir("BEGIN:VEVENT");
            // Place, day and prayer: importing the month again replaces its events.
            satir("UID:" + QByteArray(tarih) + '-' + o.anahtar + '-' + konum + "@ravla");
            satir("DTSTAMP:" + damga);
            satir("DTSTART:" + utcMetni(*baslangic));
            satir("DURATION:PT15M");
            metin("SUMMARY", tr(o.ad));
            if (!yer.isEmpty())
                metin("LOCATION", yer);
            satir(geo);
            metin("DESCRIPTION", gun.schedule.times[o.vakit].isExtreme
                                     ? aciklama + QLatin1Char('\n') + tahmin
                                     : aciklama);
            satir("END:VEVENT");
        }
    });
    satir("END:VCALENDAR");
    return cikti;
}
