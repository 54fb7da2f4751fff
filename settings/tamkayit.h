#pragma once

#include <QByteArray>
#include <QSaveFile>

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
