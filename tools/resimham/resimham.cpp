// Writes pictures out decoded, so that the window can show them straight from the program's
// own memory at start-up: no PNG to decode, no pixels to convert, no copy.
//   resimham OUT_DIR PICTURE.png...    writes OUT_DIR/PICTURE.ham for each
// A .ham file: "RHAM", then width, height and QImage::Format as 32-bit numbers in this
// machine's byte order, then the rows, 4 bytes a pixel. Opaque pictures are RGB32, the others
// ARGB32_Premultiplied: the two formats a raster pixmap keeps without converting.
#include "tamkayit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

namespace {

bool opak(const QImage &resim)
{
    if (!resim.hasAlphaChannel())
        return true;
    const QImage argb = resim.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *satir = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(satir[x]) != 255)
                return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication uygulama(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: resimham OUT_DIR PICTURE.png...\n");
        return 2;
    }
    for (const QString &girdi : args.mid(2)) {
        QImage resim(girdi);
        if (resim.isNull()) {
            std::fprintf(stderr, "resimham: cannot read %s\n", qPrintable(girdi));
            return 1;
        }
        resim.convertTo(opak(resim) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        const quint32 baslik[3] = {quint32(resim.width()), quint32(resim.height()),
                                   quint32(resim.format())};
        QByteArray veri("RHAM");
        veri.append(reinterpret_cast<const char *>(baslik), sizeof baslik);
        for (int y = 0; y < resim.height(); ++y)
            veri.append(reinterpret_cast<const char *>(resim.constScanLine(y)), resim.width() * 4);
        QSaveFile cikti(args.at(1) + QLatin1Char('/') + QFileInfo(girdi).completeBaseName() +
                        QStringLiteral(".ham"));
        if (!cikti.open(QIODevice::WriteOnly) || !tamKaydet(cikti, veri)) {
            std::fprintf(stderr, "resimham: cannot write %s\n", qPrintable(cikti.fileName()));
            return 1;
        }
    }
    return 0;
}
