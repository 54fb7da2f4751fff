#include "kibleacicizim.h"

#include <QPainter>
#include <QRadialGradient>

KibleAciCizim::KibleAciCizim(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Analog Clock"));
    resize(200, 200);
}

void KibleAciCizim::AciAyarla(int aci)
{
    // Any whole angle is brought into [0, 360) first, so the needle never leaves the dial.
    const int derece = ((aci % 360) + 360) % 360;
    dakika = derece / 6;
}

void KibleAciCizim::paintEvent(QPaintEvent *)
{
    static const QPoint ibre[3] = {QPoint(7, 8), QPoint(-7, 8), QPoint(0, -70)};

    const int w = width();
    const int h = height();
    const int kenar = qMin(w, h);

    // Straight onto the widget: the painter carries the screen's pixel ratio, so the dial is
    // as sharp as the screen.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient yuz(QPointF(50, 50), 200, QPointF(200, 200));
    yuz.setColorAt(0, QColor(255, 246, 214));
    yuz.setColorAt(1, QColor(255, 226, 142));
    p.setBrush(yuz);
    p.setPen(QPen(Qt::white, 0));
    p.drawEllipse(0, 0, w, h);

    p.translate(w / 2, h / 2);
    p.scale(kenar / 200.0, kenar / 200.0);

    p.setPen(QPen(Qt::blue, 0));
    for (int i = 0; i < 12; ++i) {
        p.drawLine(78, 0, 96, 0);
        p.rotate(30.0);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::yellow);
    p.save();
    p.rotate(6.0 * dakika);
    p.drawConvexPolygon(ibre, 3);
    p.restore();
}
