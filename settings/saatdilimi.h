#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The real daylight-saving rules of a place's IANA zone, from the system's time-zone database.
namespace SaatDilimi {

// Whether the system's database knows the zone ("Europe/Istanbul").
bool bilinir(const QString &ad);

// Hours by which the zone's clocks on `tarih` differ from the standard offset `gmt` the
// schedule was computed for: the zone's UTC offset at local noon minus `gmt` (1 in most
// European summers, 0 in Istanbul, -1 in Casablanca in Ramadan). Empty for an unknown zone.
std::optional<double> kayma(const QString &ad, const QDate &tarih, double gmt);

// An offset as the time-zone lists and the month's heading write it: "+5:30", "-3", and "0"
// (or "+0" with `isaretliSifir`, after "UTC").
QString ofsetMetni(double saat, bool isaretliSifir = false);

// The zone's standard offset in the year: the smaller of its January and July offsets.
std::optional<double> standartOfset(const QString &ad, int yil);

// Whether the zone's clocks change in the year (its January and July offsets differ).
bool yazSaatiVar(const QString &ad, int yil);

} // namespace SaatDilimi
