#pragma once

// What SDL's disk audio driver writes, read back: the program's real sound path down to the
// samples, with a file in place of the loudspeaker. The device is opened as 16-bit stereo at
// 44.1 kHz, so that is what the file holds.

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace DiskSes {

constexpr int kOrnekHizi = 44100;
constexpr int kKareBoyu = 4;             // two 16-bit channels
constexpr qint64 kDonem = 1024;          // frames the device mixes at a time
constexpr qint64 kGecikme = 4 * kDonem;  // frames that may have been mixed before they show
constexpr qint64 kPencere = 20 * kDonem; // frames a level is judged on

// Points SDL at a file of its own. Takes effect when the next device is opened. The driver
// writes a period every gecikmeMs milliseconds: faster than real time keeps the tests short,
// and nothing below depends on the pace.
inline void kur(const QString &dosya, int gecikmeMs = 8)
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dosya));
    qputenv("SDL_DISKAUDIODELAY", QByteArray::number(gecikmeMs));
}

class Kayit
{
public:
    explicit Kayit(const QString &dosya) : dosya(dosya) {}

    qint64 kareSayisi() const { return QFile(dosya).size() / kKareBoyu; }

    // Waits until at least kare frames are written; false at the deadline.
    bool bekle(qint64 kare, int sureMs = 15000) const
    {
        QElapsedTimer t;
        t.start();
        while (kareSayisi() < kare) {
            if (t.elapsed() > sureMs)
                return false;
            QThread::msleep(2);
        }
        return true;
    }

    // Both channels' samples of frames [bas, son).
    QList<qint16> ornekler(qint64 bas, qint64 son) const
    {
        QFile f(dosya);
        QList<qint16> o;
        if (son <= bas || !f.open(QIODevice::ReadOnly) || !f.seek(bas * kKareBoyu))
            return o;
        const QByteArray ham = f.read((son - bas) * kKareBoyu);
        o.resize(ham.size() / 2);
        for (qsizetype i = 0; i < o.size(); ++i)
            o[i] = qFromLittleEndian<qint16>(ham.constData() + 2 * i);
        return o;
    }

    int tepe(qint64 bas, qint64 son) const
    {
        int t = 0;
        for (const qint16 x : ornekler(bas, son))
            t = std::max(t, std::abs(int(x)));
        return t;
    }

    // The first frame at or after bas that is not silent, waiting for up to enCok frames of
    // output; -1 if none came.
    qint64 ilkSesli(qint64 bas, qint64 enCok) const
    {
        for (qint64 k = bas; k < bas + enCok; k += kDonem) {
            if (!bekle(k + kDonem))
                return -1;
            const QList<qint16> o = ornekler(k, k + kDonem);
            for (qsizetype i = 0; i < o.size(); ++i)
                if (o[i] != 0)
                    return k + i / 2;
        }
        return -1;
    }

    // The loudest sample of kPencere frames surely mixed after an action: call it right after
    // the action returns. Frames in the file by then, and up to kGecikme more, may be older.
    // No file at all: the output was never opened (it opens with the first sound), so nothing
    // sounded.
    int sonrakiTepe() const
    {
        if (!QFile::exists(dosya))
            return 0;
        const qint64 bas = kareSayisi() + kGecikme;
        if (!bekle(bas + kPencere))
            return -1;
        return tepe(bas, bas + kPencere);
    }

private:
    QString dosya;
};

// A WAV of the device's own format, so that it plays sample for sample: a 441 Hz sine whose
// peak (every hundredth sample) is exactly genlik.
inline bool wavYaz(const QString &yol, int genlik, double saniye = 8.0)
{
    const qint32 kare = qint32(saniye * kOrnekHizi);
    QByteArray veri;
    veri.reserve(44 + kare * kKareBoyu);
    QDataStream s(&veri, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << qint32(36 + kare * kKareBoyu);
    s.writeRawData("WAVEfmt ", 8);
    s << qint32(16) << qint16(1) << qint16(2) << qint32(kOrnekHizi)
      << qint32(kOrnekHizi * kKareBoyu) << qint16(kKareBoyu) << qint16(16);
    s.writeRawData("data", 4);
    s << qint32(kare * kKareBoyu);
    for (qint32 i = 0; i < kare; ++i) {
        const auto x =
            qint16(std::lround(genlik * std::sin(2 * std::numbers::pi * 441.0 * i / kOrnekHizi)));
        s << x << x;
    }
    QFile f(yol);
    return f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size();
}

} // namespace DiskSes
