#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// JAKIM's prayer-time zones (data/jakim/zones.csv, built into the program): JAKIM publishes one
// timetable per zone, computed for a point it does not name; the point fitted to the zone's
// tables stands in for it, so that code 14 at any place of a zone gives the zone's minutes.
namespace JakimBolge {

struct Bolge {
    QString kod, eyalet;                         // "SWK08", "Sarawak"
    QStringList yerler;                          // the places JAKIM names
    double enlem = 0, boylam = 0, yukseklik = 0; // the reference point; metres
};

// Every zone, in code order; empty only if the built-in file were damaged.
const QList<Bolge> &bolgeler();
// The zone with this code (case ignored), or nullptr.
const Bolge *koduyla(const QString &kod);
// "SWK08 — Kuching, Bau, Lundu, Sematan"
QString baslik(const Bolge &bolge);

struct Eslesme {
    const Bolge *bolge = nullptr;
    QString yakinYer; // with enYakin: the listed place whose zone was taken
    double km = 0;
    bool enYakin = false; // the place is named by no zone
};

// A place of the city database in Malaysia, by its name and province: the zone that names it,
// else that of a named place within 5 km, else the zone of the nearest named place in its state
// (its province as JAKIM calls it), else of the nearest named place anywhere.
Eslesme listedekiYer(const QString &ad, const QString &il, double enlem, double boylam);

// A place typed in: the zone of the nearest named place, if one lies within `kmSiniri`
// (further off the place is taken to be outside Malaysia).
Eslesme elleGirilen(double enlem, double boylam, double kmSiniri = 100);

// Whether the city database's country is Malaysia.
bool malezya(const QString &ulke);

} // namespace JakimBolge
