#include "dil.h"
#include "qravla.h"
#include "tekkopya.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication uygulama(argc, argv);
    TekKopya tekKopya;
    if (!tekKopya.ilkKopya())
        return 0; // the running copy shows its window

    QSettings dilAyarlari(QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama));
    const QString kod = Dil::yerelDilKodu(dilAyarlari, QLocale::system().name());
    QTranslator cevirmen;
    Dil::katalogYukle(cevirmen, kod); // no catalogue: the built-in Turkish texts stay
    uygulama.installTranslator(&cevirmen);

    // The window hides into the tray and the dialogs come and go: the program ends through the
    // tray's quit action, or when the window is closed on a desktop without a tray.
    uygulama.setQuitOnLastWindowClosed(false);
    QRavla pencere;
    pencere.show();
    QObject::connect(&tekKopya, &TekKopya::gosterIstendi, &pencere, [&pencere] {
        pencere.TrayGoster();
        pencere.raise();
        pencere.activateWindow();
    });
    return uygulama.exec();
}
