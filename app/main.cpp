#include "dil.h"
#include "onyukleme.h"
#include "otomatikbaslat.h"
#include "qravla.h"
#include "resimler.h"
#include "tekkopya.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

// Which way the interface reads is the catalogue's to say: "RTL" in Arabic.
[[maybe_unused]] static const char *const kYon =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

int main(int argc, char *argv[])
{
    const std::jthread yaziTipleri = yaziTipleriniOnYukle();
    QApplication uygulama(argc, argv);
    // Started with the session: straight into the tray, no window flashing up.
    const bool tepsiden =
        QCoreApplication::arguments().contains(QLatin1String(OtomatikBaslat::kTepsiSecenegi));
    uygulama.setWindowIcon(QIcon(hazirResim(QStringLiteral("ravla"))));
    uygulama.setDesktopFileName(QStringLiteral("ravla")); // the window belongs to ravla.desktop
    TekKopya tekKopya;
    if (!tekKopya.ilkKopya(!tepsiden))
        return 0; // the running copy shows its window

    const QString kod = Dil::yerelDilKodu(QLocale::system().name());
    QTranslator cevirmen;
    Dil::katalogYukle(cevirmen, kod); // no catalogue: the built-in Turkish texts stay
    uygulama.installTranslator(&cevirmen);
    QTranslator qtCevirmen; // OK and Cancel in the interface's language
    Dil::qtKatalogYukle(qtCevirmen, cevirmen.isEmpty() ? QString() : kod);
    uygulama.installTranslator(&qtCevirmen);

    // The window hides into the tray and the dialogs come and go: the program ends through the
    // tray's quit action, or when the window is closed on a desktop without a tray.
    uygulama.setQuitOnLastWindowClosed(false);
    QRavla pencere;
    if (!tepsiden || !QRavla::tepsiVarMi())
        pencere.show();
    else
        pencere.TrayGizle();
    QObject::connect(&tekKopya, &TekKopya::gosterIstendi, &pencere, [&pencere] {
        pencere.TrayGoster();
        pencere.raise();
        pencere.activateWindow();
    });
    return uygulama.exec();
}
