#include "tekkopya.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

namespace {

QString calismaKlasoru()
{
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return klasor.isEmpty() ? QDir::tempPath() : klasor;
}

constexpr qint64 kEnCokIstek = 4096; // the request file is emptied beyond this
// A copy writes its lock's content right after making it; one left empty or unreadable for
// longer than this belongs to no copy.
constexpr qint64 kYarimKilitMs = 500;

// An empty request file, made anew: whatever stood there (a FIFO would block open() for good)
// goes first.
void istekDosyasiKur(const QString &yol)
{
    const QFileInfo bilgi(yol);
    if (bilgi.exists() && !bilgi.isFile() && !QFile::remove(yol))
        QDir(yol).removeRecursively();
    QFile istek(yol);
    if (istek.open(QIODevice::WriteOnly | QIODevice::Truncate))
        istek.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
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

TekKopya::Kilit TekKopya::kilitle(const QString &klasor)
{
    kilit = std::make_unique<QLockFile>(klasor + QLatin1Char('/') + ad + QStringLiteral(".lock"));
    kilit->setStaleLockTime(0); // a live copy may run for months
    for (int deneme = 0; deneme < 10; ++deneme) {
        if (kilit->tryLock(0))
            return Kilit::Alindi;
        if (kilit->error() != QLockFile::LockFailedError)
            return Kilit::Yapilamadi; // no permission, a full disk, a folder in its place
        // Qt takes a lock of a copy that is gone for stale; these it cannot tell, and they
        // would stop every start for good.
        qint64 pid = 0;
        QString makine, program;
        const QString yol = klasor + QLatin1Char('/') + ad + QStringLiteral(".lock");
        const qint64 yas = QFileInfo(yol).lastModified().msecsTo(QDateTime::currentDateTime());
        const bool okunur = kilit->getLockInfo(&pid, &makine, &program);
        const bool baskaMakine = okunur && !makine.isEmpty() &&
                                 makine != QSysInfo::machineHostName(); // the folder is local
        const bool bozuk = !okunur && (yas < 0 || yas > kYarimKilitMs);
        if (!okunur && !bozuk) { // perhaps being written by a copy that starts now
            QThread::msleep(kYarimKilitMs / 4);
            continue;
        }
        if (!baskaMakine && !bozuk)
            return Kilit::Tutuluyor;
        if (!kilit->removeStaleLockFile() && QFileInfo::exists(yol))
            return Kilit::Yapilamadi;
    }
    return Kilit::Yapilamadi;
}

bool TekKopya::ilkKopya(bool gosterSin)
{
    // Where no lock can be made in the runtime folder (read-only, full, something in the
    // lock's place), the temporary folder holds it; where neither can, the program runs
    // unguarded rather than not at all.
    QString klasor = calismaKlasoru();
    Kilit durum = kilitle(klasor);
    if (durum == Kilit::Yapilamadi && klasor != QDir::tempPath()) {
        klasor = QDir::tempPath();
        durum = kilitle(klasor);
    }
    const QString istekYolu = klasor + QLatin1Char('/') + ad + QStringLiteral(".goster");
    if (durum == Kilit::Tutuluyor) {
        // Another copy runs: ask it to show itself. If its request file is not there yet (it is
        // just starting), still end this copy rather than sound every adhan twice.
        QFile istek(istekYolu);
        if (gosterSin && QFileInfo(istekYolu).isFile() &&
            istek.open(QIODevice::WriteOnly | QIODevice::Append))
            istek.write("goster\n");
        return false;
    }
    if (durum == Kilit::Yapilamadi) {
        kilit.reset();
        return true;
    }
    istekDosyasiKur(istekYolu); // a request left by a crash is dropped
    okunan = 0;
    izleyici = new QFileSystemWatcher(this);
    connect(izleyici, &QFileSystemWatcher::fileChanged, this, [this, istekYolu] {
        QFile f(istekYolu);
        const qint64 boyut = QFileInfo(istekYolu).isFile() ? f.size() : 0;
        if (boyut > okunan)
            emit gosterIstendi();
        okunan = boyut;
        if (boyut > kEnCokIstek && f.resize(0))
            okunan = 0; // the change this makes is not a request: the file did not grow
        if (!izleyici->files().contains(istekYolu) || !QFileInfo(istekYolu).isFile()) {
            istekDosyasiKur(istekYolu); // removed by a cleaner, or replaced: make it again
            okunan = 0;
            izleyici->addPath(istekYolu);
        }
    });
    izleyici->addPath(istekYolu);
    return true;
}
