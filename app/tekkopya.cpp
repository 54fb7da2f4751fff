#include "tekkopya.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString kilitYolu(const QString &ad)
{
    QString klasor = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (klasor.isEmpty())
        klasor = QDir::tempPath();
    return klasor + QLatin1Char('/') + ad + QStringLiteral(".lock");
}

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
    kilit = std::make_unique<QLockFile>(kilitYolu(ad));
    kilit->setStaleLockTime(0); // only a lock whose process is gone is stale
    if (!kilit->tryLock(0)) {
        // Another copy runs: ask it to show itself. If it cannot be reached (it is just
        // starting or ending), still end this copy rather than sound every adhan twice.
        QLocalSocket soket;
        if (gosterSin)
            soket.connectToServer(ad);
        if (gosterSin && soket.waitForConnected(2000)) {
            soket.write("goster\n");
            soket.waitForBytesWritten(2000);
            soket.disconnectFromServer();
        }
        return false;
    }
    QLocalServer::removeServer(ad); // a socket left by a copy that crashed
    sunucu = new QLocalServer(this);
    sunucu->setSocketOptions(QLocalServer::UserAccessOption);
    connect(sunucu, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = sunucu->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit gosterIstendi();
        }
    });
    sunucu->listen(ad);
    return true;
}
