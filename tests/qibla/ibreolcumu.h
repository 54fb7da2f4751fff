#pragma once

#include <QImage>
#include <QPointF>
#include <QtMath>

// Reads a dial off a rendered picture, by colour alone.

inline bool sariMi(QRgb p) // the needle
{
    return qRed(p) >= 240 && qGreen(p) >= 240 && qBlue(p) <= 60;
}

inline bool maviMi(QRgb p) // a tick mark, even where smoothing has mixed it with the face
{
    return qBlue(p) > qRed(p) + 40;
}

// Degrees clockwise from north of a point seen from the centre, in [0, 360).
inline double kuzeydenAci(QPointF fark)
{
    const double a = qRadiansToDegrees(std::atan2(fark.x(), -fark.y()));
    return a < 0 ? a + 360 : a;
}

// The smallest difference between two directions, in degrees.
inline double aciFarki(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

struct IbreOlcumu {
    double aci = -1;     // of the tip, clockwise from north
    double uzaklik = 0;  // of the tip from the centre, in image pixels
    int sariPiksel = 0;  // how many pixels are the needle's pure yellow
    int kenarPiksel = 0; // how many are partly covered by it: its smoothed edges
};

// Finds the needle by comparing the dial with the same dial whose needle points elsewhere:
// the pixels where the first is yellower belong to its needle, smoothed edges and the thin
// tip included. The tip is the farthest of them from the centre (in image pixels).
inline IbreOlcumu ibreyiOlc(const QImage &ibreli, const QImage &baska, QPointF merkez)
{
    IbreOlcumu o;
    auto ibreninMi = [&](int x, int y) {
        return qBlue(ibreli.pixel(x, y)) < qBlue(baska.pixel(x, y)) - 16;
    };
    auto fark = [&](int x, int y) { return QPointF(x + 0.5, y + 0.5) - merkez; };

    double enUzak = 0;
    for (int y = 0; y < ibreli.height(); ++y)
        for (int x = 0; x < ibreli.width(); ++x) {
            if (sariMi(ibreli.pixel(x, y)))
                ++o.sariPiksel;
            if (ibreninMi(x, y) && !sariMi(ibreli.pixel(x, y)))
                ++o.kenarPiksel;
            if (ibreninMi(x, y))
                enUzak = std::max(enUzak, std::hypot(fark(x, y).x(), fark(x, y).y()));
        }
    // The direction of the few pixels at the very tip.
    QPointF toplam;
    for (int y = 0; y < ibreli.height(); ++y)
        for (int x = 0; x < ibreli.width(); ++x)
            if (ibreninMi(x, y) && std::hypot(fark(x, y).x(), fark(x, y).y()) >= enUzak - 3)
                toplam += fark(x, y);
    o.uzaklik = enUzak;
    if (!toplam.isNull())
        o.aci = kuzeydenAci(toplam);
    return o;
}

// Whether any pixel along the ray from the centre, between the two distances, is a tick.
inline bool isaretVar(const QImage &resim, QPointF merkez, double aci, double ic, double dis)
{
    const double r = qDegreesToRadians(aci);
    for (double d = ic; d <= dis; d += 0.25) {
        const QPointF n = merkez + QPointF(std::sin(r), -std::cos(r)) * d;
        const int x = int(std::floor(n.x()));
        const int y = int(std::floor(n.y()));
        if (resim.valid(x, y) && maviMi(resim.pixel(x, y)))
            return true;
    }
    return false;
}
