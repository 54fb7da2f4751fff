#include "depo.h"

#include "ayarlar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {

QString metin(const char *kaynak)
{
    return QCoreApplication::translate("Depo", kaynak);
}

// Less than this free, a store of a few kilobytes written beside the old one may not fit.
constexpr qint64 kEnAzBosYer = 64 * 1024;

} // namespace

QString Depo::dosyasi(const QString &uygulama)
{
#ifdef Q_OS_WIN
    Q_UNUSED(uygulama);
    return {};
#else
    // Where QSettings keeps a user's store on Unix.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QLatin1String(kOrganizasyon) + QLatin1Char('/') + uygulama +
           QStringLiteral(".conf");
#endif
}

std::unique_ptr<QSettings> Depo::ac(const QString &uygulama)
{
#ifndef Q_OS_WIN
    // QSettings reads the organisation's file and the system's (/etc/xdg) beside the user's.
    for (const QString &klasor :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString kok = klasor + QLatin1Char('/') + QLatin1String(kOrganizasyon);
        for (const QString &dosya : {kok + QLatin1Char('/') + uygulama + QStringLiteral(".conf"),
                                     kok + QStringLiteral(".conf")}) {
            const QFileInfo bilgi(dosya); // stat(): never opens, never blocks
            if (bilgi.exists() && !bilgi.isFile())
                return nullptr;
        }
    }
#endif
    return std::make_unique<QSettings>(QLatin1String(kOrganizasyon), uygulama);
}

bool Depo::kaydet(QSettings &s, QString *neden)
{
    s.sync();
    if (s.status() == QSettings::NoError)
        return true;
    if (neden)
        *neden = yazilamamaNedeni(s.fileName());
    return false;
}

QString Depo::yazilamamaNedeni(const QString &dosya)
{
    const QFileInfo bilgi(dosya);
    QString neden;
    if (bilgi.exists() && !bilgi.isFile()) {
        neden = metin(QT_TRANSLATE_NOOP("Depo", "yerinde dosya değil, başka bir şey var"));
    } else {
        // The folder, or the nearest of its parents that is there: QSettings makes the rest.
        QString klasor = bilgi.absolutePath();
        while (!QFileInfo::exists(klasor) && !QDir(klasor).isRoot())
            klasor = QFileInfo(klasor).absolutePath();
        const QFileInfo klasorBilgisi(klasor);
        const QStorageInfo disk(klasor);
        if (!klasorBilgisi.isDir())
            neden = metin(QT_TRANSLATE_NOOP("Depo", "%1 bir klasör değil"))
                        .arg(QDir::toNativeSeparators(klasor));
        else if (disk.isValid() && disk.isReadOnly())
            neden = metin(QT_TRANSLATE_NOOP("Depo", "disk salt okunur"));
        else if (!klasorBilgisi.isWritable() || (bilgi.exists() && !bilgi.isWritable()))
            neden = metin(QT_TRANSLATE_NOOP("Depo", "yazma izni yok"));
        else if (disk.isValid() && disk.bytesAvailable() < kEnAzBosYer)
            neden = metin(QT_TRANSLATE_NOOP("Depo", "diskte yer kalmadı"));
        else
            neden = metin(QT_TRANSLATE_NOOP("Depo", "disk yazmayı kabul etmedi"));
    }
    return metin(QT_TRANSLATE_NOOP("Depo", "Ayarlar kaydedilemedi (%1): %2"))
        .arg(QDir::toNativeSeparators(dosya), neden);
}
