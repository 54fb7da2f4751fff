#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The city database beside the program: `koordinat/liste.dat` lists the countries, one per
// line, and `koordinat/<country>.txt` each country's places, one per line as
// "name,province,latitude,longitude,time zone,IANA zone".
namespace SehirVeritabani {

inline constexpr int kEnCokUlke = 254;
inline constexpr int kEnCokSehir = 20000; // six times the places of the largest country
// A place line takes a few dozen bytes; the largest country file a few hundred kilobytes.
inline constexpr qsizetype kEnUzunSatir = 1024;
inline constexpr qint64 kEnBuyukDosya = 4 * 1024 * 1024;

QString klasor(); // the program folder's "koordinat/"

// A file's whole lines, trimmed, at most enCok: the last one too when no line break ends it;
// CR LF and a BOM are fine. A line of more than kEnUzunSatir bytes is left out.
QStringList satirlariAyikla(const QByteArray &icerik, int enCok);

// The trimmed lines of liste.dat, at most 254; empty when the file cannot be opened, is no
// regular file (a FIFO, a device) or is larger than kEnBuyukDosya.
std::optional<QStringList> ulkeler(const QString &klasor);

// The trimmed lines of a country's file, at most kEnCokSehir; empty when there is none (as for
// liste.dat), and for a name that is no plain file name (holding '/', '\' or "..").
std::optional<QStringList> sehirSatirlari(const QString &klasor, const QString &ulke);

// The name a line shows: everything before its second comma.
QString sehirAdiniAyikla(const QString &satir);

// A place line taken apart. `hata` says why the place cannot be chosen (a latitude of 95,
// a time zone that is no number), in the interface's words; empty when it can.
struct Koordinat {
    QString enlemMetni, boylamMetni, gmtMetni, saatDilimi;
    double enlem = 0, boylam = 0, gmt = 0;
    QString hata;
};
Koordinat koordinatlariAyikla(const QString &satir);

// A name folded for searching: lower case, without accents, dotted and dotless i alike, so that
// "istanbul", "İSTANBUL" and "Istanbul" find İstanbul and "koln" finds Köln.
QString aramaAnahtari(const QString &metin);

// The calculation method of the authority of a country as the database names it (Türkiye → 8,
// Suudi Arabistan → 9 …, case and accents ignored); 0 where the country has none of its own.
int ulkeninYontemi(const QString &ulke);

// A place found by name: its country and its line.
struct Bulunan {
    QString ulke, satir;
};

// The places whose name is `aranan` as the filter line compares them (case and accents
// ignored): the exact name ("Berlin", or "Berlin, State of Berlin" with its province) where
// there is one, else every name holding it. `ulke` narrows the search to one country;
// empty: every country of liste.dat.
QList<Bulunan> sehirAra(const QString &klasor, const QString &aranan, const QString &ulke = {});

// For a place typed in: the IANA zone of the nearest place of the database within `kmSiniri`
// whose zone has the standard offset `gmt` in `yil`, so that its real clock changes apply.
// Empty where none does (at sea, or an offset the zones around do not have).
struct YakinSaatDilimi {
    QString saatDilimi, yer, ulke;
    double km = 0;
};
std::optional<YakinSaatDilimi> enYakinSaatDilimi(const QString &klasor, double enlem, double boylam,
                                                 double gmt, int yil, double kmSiniri = 200);

// The countries of liste.dat called `aranan`: the exact name, else every name holding it.
QStringList ulkeAra(const QString &klasor, const QString &aranan);

} // namespace SehirVeritabani
