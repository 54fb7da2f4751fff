#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

// A file written whole or not at all. Qt 6.4's QSaveFile::commit() does not notice when the
// flush it makes fails (a full disk) and puts the cut file in the old one's place; flushed
// here first, a failure leaves the new file uncommitted, dropped with `f`, and the old one
// as it was.
inline bool tamKaydet(QSaveFile &f)
{
    return f.flush() && f.commit();
}

inline bool tamKaydet(QSaveFile &f, const QByteArray &veri)
{
    return f.write(veri) == veri.size() && tamKaydet(f);
}

// `veri` into the file at `yol`, whole or not at all; false with the system's reason in `hata`.
// A path that names something other than a regular file (/dev/full, /dev/stdout, a FIFO) is
// written as it stands: there is no file to keep, and a new file renamed over a device would
// put a file in its place.
inline bool tamYaz(const QString &yol, const QByteArray &veri, QString *hata = nullptr)
{
    const QFileInfo bilgi(yol);
    if (bilgi.exists() && !bilgi.isFile()) {
        QFile f(yol);
        const bool tamam =
            f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && f.write(veri) == veri.size();
        if (!tamam && hata)
            *hata = f.errorString();
        return tamam;
    }
    QSaveFile f(yol);
    const bool tamam = f.open(QIODevice::WriteOnly) && tamKaydet(f, veri);
    if (!tamam && hata)
        *hata = f.errorString();
    return tamam;
}
