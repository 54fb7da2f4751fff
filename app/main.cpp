#include "dil.h"
#include "qravla.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication uygulama(argc, argv);
    QSettings dilAyarlari(QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama));
    const QString kod = Dil::yerelDilKodu(dilAyarlari, QLocale::system().name());
    QTranslator cevirmen;
    Dil::katalogYukle(cevirmen, kod); // no catalogue: the built-in Turkish texts stay
    uygulama.installTranslator(&cevirmen);

    QRavla pencere;
    pencere.show();
    QObject::connect(&uygulama, &QApplication::lastWindowClosed, &uygulama, &QApplication::quit);
    return uygulama.exec();
}
