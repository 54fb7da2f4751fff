#include "resimler.h"

#include <QImage>
#include <QResource>
#include <QtGlobal>

#include <cstring>

void resimleriYukle()
{
    static const bool yuklendi = [] {
        Q_INIT_RESOURCE(ravla);
        Q_INIT_RESOURCE(ham);
        return true;
    }();
    Q_UNUSED(yuklendi);
}

QPixmap hazirResim(const QString &ad)
{
    resimleriYukle();
    const QResource ham(QStringLiteral(":/ham/") + ad + QStringLiteral(".ham"));
    constexpr qint64 kBaslik = 16; // "RHAM", width, height, format
    if (ham.isValid() && ham.compressionAlgorithm() == QResource::NoCompression &&
        ham.size() >= kBaslik) {
        const uchar *veri = ham.data();
        quint32 b[3];
        std::memcpy(b, veri + 4, sizeof b);
        const auto bicim = QImage::Format(b[2]);
        // A 32-bit image wants its rows on 4-byte boundaries; elsewhere the PNG serves.
        if (std::memcmp(veri, "RHAM", 4) == 0 && ham.size() == kBaslik + qint64(b[0]) * b[1] * 4 &&
            (bicim == QImage::Format_RGB32 || bicim == QImage::Format_ARGB32_Premultiplied) &&
            reinterpret_cast<quintptr>(veri + kBaslik) % 4 == 0)
            return QPixmap::fromImage(
                QImage(veri + kBaslik, int(b[0]), int(b[1]), int(b[0]) * 4, bicim));
    }
    return QPixmap(QStringLiteral(":/iconlar/resim/") + ad + QStringLiteral(".png"));
}
