#pragma once

// What SDL's disk audio driver writes, read back: the program's real sound path down to the
// samples, with a file in place of the loudspeaker. The device is opened as 16-bit stereo at
// 44.1 kHz, so that is what the file holds.

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace DiskSes {

constexpr int kOrnekHizi = 44100;
constexpr int kKareBoyu = 4;             // two 16-bit channels
constexpr qint64 kDonem = 1024;          // frames the device mixes at a time
constexpr qint64 kGecikme = 4 * kDonem;  // frames that may have been mixed before they show
constexpr qint64 kPencere = 20 * kDonem; // frames a level is judged on

// Points SDL at a file of its own, from the next device opened on. The driver writes a period
// every gecikmeMs milliseconds: faster than real time keeps the tests short.
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

    // Waits until at least kare frames are written; false at the deadline. The event loop turns
    // meanwhile, as the program's does: a sound starts from it once its file is open.
    bool bekle(qint64 kare, int sureMs = 15000) const
    {
        QElapsedTimer t;
        for (t.start(); kareSayisi() < kare && t.elapsed() <= sureMs;) {
            if (QCoreApplication::instance())
                QCoreApplication::processEvents();
            QThread::msleep(2);
        }
        return kareSayisi() >= kare;
    }

    // Both channels' samples of frames [bas, son).
    QList<qint16> ornekler(qint64 bas, qint64 son) const
    {
        QFile f(dosya);
        const bool acik = son > bas && f.open(QIODevice::ReadOnly) && f.seek(bas * kKareBoyu);
        const QByteArray ham = acik ? f.read((son - bas) * kKareBoyu) : QByteArray();
        QList<qint16> o(ham.size() / 2);
        qFromLittleEndian<qint16>(ham.constData(), o.size(), o.data());
        return o;
    }

    int tepe(qint64 bas, qint64 son) const
    {
        int t = 0;
        for (const qint16 x : ornekler(bas, son))
            t = std::max(t, std::abs(int(x)));
        return t;
    }

    // The loudest sample of kPencere frames surely mixed after an action: call it right after
    // the action returns (up to kGecikme frames written by then may be older). No file: the
    // output was never opened, so nothing sounded. -1: the output stopped writing.
    int sonrakiTepe() const
    {
        const qint64 bas = kareSayisi() + kGecikme;
        return !QFile::exists(dosya) ? 0 : bekle(bas + kPencere) ? tepe(bas, bas + kPencere) : -1;
    }

private:
    QString dosya;
};

// A WAV of the device's own format, so that it plays sample for sample: a 441 Hz sine whose
// peak (every hundredth sample) is exactly genlik.
inline bool wavYaz(const QString &yol, int genlik, double saniye = 8.0)
{
    const qint32 boy = qint32(saniye * kOrnekHizi) * kKareBoyu;
    QByteArray veri;
    QDataStream s(&veri, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << 36 + boy;
    s.writeRawData("WAVEfmt ", 8);
    s << 16 << qint16(1) << qint16(2) << kOrnekHizi << kOrnekHizi * kKareBoyu << qint16(kKareBoyu)
      << qint16(16);
    s.writeRawData("data", 4);
    s << boy;
    for (qint32 i = 0; i < boy / kKareBoyu; ++i) {
        const auto x = qint16(std::lround(genlik * std::sin(std::numbers::pi * i / 50)));
        s << x << x;
    }
    QFile f(yol);
    return f.open(QIODevice::WriteOnly) && f.write(veri) == veri.size();
}

} // namespace DiskSes
