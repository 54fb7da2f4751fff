#pragma once

#include "ayarlar.h"

#include <QDate>
#include <QLocale>
#include <QString>

class QSettings;
class QTranslator;

// The interface language: chosen once from the system locale, then kept in the
// language store ("Zorva Yazilim", "Ravla Dil Ayarlari").
namespace Dil {

inline constexpr const char *kUygulama = "Ravla Dil Ayarlari";

// Returns the stored "Yerel Dil"; on the first run, or when "Dil No" names no language,
// settles it (and "Dil No") from the
// system locale name such as "de_DE" and writes both.
QString yerelDilKodu(QSettings &store, const QString &sistemYerelAdi);
// The same over the language store, which is left alone (and the choice not kept) when
// something other than a regular file stands in its place.
QString yerelDilKodu(const QString &sistemYerelAdi);

// Reads "Dil No"; a missing or malformed value is 0 (Turkish); a number outside 0..3 takes
// the first run's choice for the system locale.
int dilNo(const QString &sistemYerelAdi = QLocale::system().name());

// Stores the language picked in the window (0 Turkish .. 3 English) for the next start. False,
// with the reason in `hata`, when the store did not take it.
bool sec(int dilNo, QString *hata);

// The feedback notice comes once, at the 95th tick after the start, on the 7th and the 25th.
inline bool gorusSorulsunMu(int tikSayisi, const QDate &bugun)
{
    return tikSayisi == 95 && (bugun.day() == 7 || bugun.day() == 25);
}

// Loads "Lugat_<code>.qm" from the program folder; false leaves the built-in Turkish texts.
bool katalogYukle(QTranslator &cevirmen, const QString &kod);

// Loads Qt's own texts (the buttons of message boxes, the file and print dialogs) in the
// interface's language, from Qt's translations folder: `kod` of the catalogue loaded, or empty
// for the built-in Turkish.
bool qtKatalogYukle(QTranslator &cevirmen, const QString &kod);

} // namespace Dil
