#pragma once

#include <QString>

class QSettings;
class QTranslator;

// The interface language: chosen once from the system locale, then kept in the
// language store ("Zorva Yazilim", "Ravla Dil Ayarlari").
namespace Dil {

inline constexpr const char *kOrganizasyon = "Zorva Yazilim";
inline constexpr const char *kUygulama = "Ravla Dil Ayarlari";

// Returns the stored "Yerel Dil"; on the first run settles it (and "Dil No") from the
// system locale name such as "de_DE" and writes both.
QString yerelDilKodu(QSettings &store, const QString &sistemYerelAdi);

// Reads "Dil No"; a missing or malformed value is 0 (Turkish).
int dilNo();

// Loads "Lugat_<code>.qm" from the program folder; false leaves the built-in Turkish texts.
bool katalogYukle(QTranslator &cevirmen, const QString &kod);

} // namespace Dil
