#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;

// One running copy per user: a second start hands over to the first (which shows its
// window) and ends. A lock file decides who is first; the kernel releases it with a process
// that crashed, and a stale lock left behind does not block the next start. The second copy
// asks by appending a line to a request file that the first one watches: Qt Core alone, so
// the program needs no network library (and its Kerberos and proxy libraries) at all. A lock
// that cannot be made or read (a read-only or full runtime folder, an empty or foreign lock)
// never keeps the program from running.
class TekKopya : public QObject
{
    Q_OBJECT

public:
    // `ad` names the lock and the request file; the default is per user.
    explicit TekKopya(const QString &ad = varsayilanAd(), QObject *parent = nullptr);
    ~TekKopya() override;

    // True for the first copy, which then listens; false after telling the first copy to show
    // its window (unless `gosterSin` is false: a start at login leaves the running copy alone).
    bool ilkKopya(bool gosterSin = true);

    static QString varsayilanAd();

signals:
    void gosterIstendi(); // a second start asked the first to show its window

private:
    enum class Kilit { Alindi, Tutuluyor, Yapilamadi };
    Kilit kilitle(const QString &klasor);

    QString ad;
    std::unique_ptr<QLockFile> kilit;
    QFileSystemWatcher *izleyici = nullptr;
    qint64 okunan = 0; // the request file's size when last looked at
};
