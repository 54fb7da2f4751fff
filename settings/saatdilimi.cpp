#include "saatdilimi.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace {

std::optional<QTimeZone> bolge(const QString &ad)
{
    // Only a zone of the database: Qt also takes a POSIX rule such as "Euro90" (UTC-90) as a
    // zone, which no place has.
    if (ad.isEmpty() || !QTimeZone::isTimeZoneIdAvailable(ad.toUtf8()))
        return std::nullopt;
    QTimeZone z(ad.toUtf8());
    if (!z.isValid())
        return std::nullopt;
    return z;
}

double ofset(const QTimeZone &z, const QDate &tarih)
{
    return z.offsetFromUtc(QDateTime(tarih, QTime(12, 0), z)) / 3600.0;
}

} // namespace

bool SaatDilimi::bilinir(const QString &ad)
{
    return bolge(ad).has_value();
}

std::optional<double> SaatDilimi::kayma(const QString &ad, const QDate &tarih, double gmt)
{
    const std::optional<QTimeZone> z = bolge(ad);
    if (!z || !tarih.isValid())
        return std::nullopt;
    return ofset(*z, tarih) - gmt;
}

std::optional<double> SaatDilimi::standartOfset(const QString &ad, int yil)
{
    const std::optional<QTimeZone> z = bolge(ad);
    if (!z)
        return std::nullopt;
    return std::min(ofset(*z, QDate(yil, 1, 15)), ofset(*z, QDate(yil, 7, 15)));
}

bool SaatDilimi::yazSaatiVar(const QString &ad, int yil)
{
    const std::optional<QTimeZone> z = bolge(ad);
    return z && ofset(*z, QDate(yil, 1, 15)) != ofset(*z, QDate(yil, 7, 15));
}

QString SaatDilimi::ofsetMetni(double saat, bool isaretliSifir)
{
    const int dakika = static_cast<int>(std::lround(std::fabs(saat) * 60));
    QString metin = saat < 0                    ? QStringLiteral("-")
                    : saat > 0 || isaretliSifir ? QStringLiteral("+")
                                                : QString();
    metin += QString::number(dakika / 60);
    if (dakika % 60 != 0)
        metin += QStringLiteral(":%1").arg(dakika % 60, 2, 10, QLatin1Char('0'));
    return metin;
}
