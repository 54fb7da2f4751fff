#pragma once

#include "ayarlar.h"

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

// Loads "Lugat_<code>.qm" from the program folder; false leaves the built-in Turkish texts.
bool katalogYukle(QTranslator &cevirmen, const QString &kod);

} // namespace Dil
