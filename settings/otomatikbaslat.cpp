#include "otomatikbaslat.h"
#include "tamkayit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

#ifdef Q_OS_WIN
const char *const kCalistir =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char *const kDeger = "Ravla Namaz Vakti";
#endif

// An Exec argument as desktop entries want it: quoted where it must be.
QString execArgumani(const QString &arguman)
{
    static const QString ozel = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    bool tirnak = false;
    for (const QChar c : arguman)
        tirnak = tirnak || ozel.contains(c);
    if (!tirnak)
        return arguman;
    QString s = arguman;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('`'), QLatin1String("\\`"))
        .replace(QLatin1Char('$'), QLatin1String("\\$"));
    // In a desktop file a backslash is itself escaped once more, and % is a field code.
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

// The menu entry's template is compiled in; a static library's resources are not registered
// by themselves.
static void sablonuYukle()
{
    Q_INIT_RESOURCE(masaustu);
}

QString OtomatikBaslat::girisYolu()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/ravla.desktop");
}

QString OtomatikBaslat::girisMetni(const QString &program)
{
    sablonuYukle();
    QFile sablon(QStringLiteral(":/masaustu/ravla.desktop.in"));
    QString metin =
        sablon.open(QIODevice::ReadOnly) ? QString::fromUtf8(sablon.readAll()) : QString();
    return metin.replace(QStringLiteral("@RAVLA_EXEC@"),
                         execArgumani(program) + QLatin1Char(' ') + QLatin1String(kTepsiSecenegi));
}

bool OtomatikBaslat::etkinMi()
{
#ifdef Q_OS_WIN
    return QSettings(QLatin1String(kCalistir), QSettings::NativeFormat)
        .contains(QLatin1String(kDeger));
#else
    return QFile::exists(girisYolu());
#endif
}

bool OtomatikBaslat::ayarla(bool etkin)
{
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    QSettings calistir(QLatin1String(kCalistir), QSettings::NativeFormat);
    if (etkin)
        calistir.setValue(QLatin1String(kDeger), QLatin1Char('"') + program +
                                                     QStringLiteral("\" ") +
                                                     QLatin1String(kTepsiSecenegi));
    else
        calistir.remove(QLatin1String(kDeger));
    calistir.sync();
    return calistir.status() == QSettings::NoError;
#else
    const QString yol = girisYolu();
    if (!etkin)
        return !QFile::exists(yol) || QFile::remove(yol);
    const QString metin = girisMetni(program);
    if (metin.isEmpty() || !QDir().mkpath(QFileInfo(yol).absolutePath()))
        return false;
    QSaveFile f(yol);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return tamKaydet(f, metin.toUtf8());
#endif
}
