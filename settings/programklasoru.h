#pragma once

#include <QString>

// The folder the program's own files sit in (catalogues, koordinat/, ezan/, ayarlar.dat):
// beside the executable unless a test points it elsewhere.
namespace ProgramKlasoru {

QString yol();
void ayarla(const QString &klasor); // an empty path restores the executable's folder

} // namespace ProgramKlasoru
