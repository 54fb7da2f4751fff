#include "programklasoru.h"

#include <QCoreApplication>

namespace {

QString &secilen()
{
    static QString k;
    return k;
}

} // namespace

QString ProgramKlasoru::yol()
{
    return secilen().isEmpty() ? QCoreApplication::applicationDirPath() : secilen();
}

void ProgramKlasoru::ayarla(const QString &klasor)
{
    secilen() = klasor;
}
