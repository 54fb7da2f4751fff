#include "tekkopya.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QStandardPaths>

namespace {

QString yol(const QString &ad, const char *uzanti)
{
    QString klasor = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (klasor.isEmpty())
        klasor = QDir::tempPath();
    return klasor + QLatin1Char('/') + ad + QLatin1String(uzanti);
}

constexpr qint64 kEnCokIstek = 4096; // the request file is emptied beyond this

} // namespace

TekKopya::TekKopya(const QString &ad_, QObject *parent) : QObject(parent), ad(ad_) {}

TekKopya::~TekKopya() = default;

QString TekKopya::varsayilanAd()
{
    // Per user: the home folder tells users apart on every platform.
    const QByteArray ev =
        QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("ravla-namaz-vakti-") + QString::fromLatin1(ev.left(12));
}

bool TekKopya::ilkKopya(bool gosterSin)
{
    kilit = std::make_unique<QLockFile>(yol(ad, ".lock"));
    kilit->setStaleLockTime(0); // only a lock whose process is gone is stale
    const QString istekYolu = yol(ad, ".goster");
    if (!kilit->tryLock(0)) {
        // Another copy runs: ask it to show itself. If its request file is not there yet (it is
        // just starting), still end this copy rather than sound every adhan twice.
        QFile istek(istekYolu);
        if (gosterSin && istek.exists() && istek.open(QIODevice::WriteOnly | QIODevice::Append))
            istek.write("goster\n");
        return false;
    }
    QFile istek(istekYolu);
    if (istek.open(QIODevice::WriteOnly | QIODevice::Truncate)) // a request left by a crash
        istek.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    istek.close();
    okunan = 0;
    izleyici = new QFileSystemWatcher(this);
    connect(izleyici, &QFileSystemWatcher::fileChanged, this, [this, istekYolu] {
        QFile f(istekYolu);
        const qint64 boyut = f.size();
        if (boyut > okunan)
            emit gosterIstendi();
        okunan = boyut;
        if (boyut > kEnCokIstek && f.resize(0))
            okunan = 0; // the change this makes is not a request: the file did not grow
        if (!izleyici->files().contains(istekYolu)) { // removed by a cleaner: make it again
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                f.close();
            okunan = 0;
            izleyici->addPath(istekYolu);
        }
    });
    izleyici->addPath(istekYolu);
    return true;
}
