#include "kayanpencere.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kAdim = 1; // ms per pixel of movement
} // namespace

KayanPencere::KayanPencere(int beklemeMs, QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::WindowStaysOnTopHint), bekleme(beklemeMs)
{
    zamanlayici = new QTimer(this);
    zamanlayici->setTimerType(Qt::PreciseTimer);
    connect(zamanlayici, &QTimer::timeout, this, &KayanPencere::displayTimerOnTimer);
}

void KayanPencere::calismaAlaniKaynagiAyarla(CalismaAlaniKaynagi yeni)
{
    kaynak = std::move(yeni);
}

QRect KayanPencere::ekranAlani()
{
    QScreen *s = ekran;
    if (!s)
        s = screen();
    if (!s)
        s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

QRect KayanPencere::calismaAlani()
{
    const QRect alan = kaynak ? kaynak() : ekranAlani();
    if (alan.isValid() && !alan.isEmpty())
        sonAlan = alan;
    return sonAlan;
}

void KayanPencere::kayarakGoster()
{
    // One slide stays on one screen, even while the popup's centre lies beyond its edge
    // (over a neighbouring screen, which the window system would then call its own).
    if (!isVisible() || !ekran)
        ekran = screen();
    if (!ekran)
        ekran = QGuiApplication::primaryScreen();

    const QRect alan = calismaAlani();
    if (alan.isEmpty())
        return; // no screen to slide onto

    // Place it by its final outer size: the layout may still grow it on its first showing, and
    // the window system's frame (if it draws one) is known once the window exists.
    ensurePolished();
    if (layout())
        layout()->activate();
    create();
    const QSize boyut = frameGeometry().size();

    konum = QPoint(alan.x() + alan.width(), alan.y() + alan.height() - boyut.height());
    move(konum);
    show();
    durum = Giriyor;
    zamanlayici->start(kAdim);
}

void KayanPencere::kayarakKapat()
{
    if (!isVisible())
        return; // a hidden popup has nothing to slide, and no timer should tick for it
    durum = Cikiyor;
    zamanlayici->start(kAdim);
}

void KayanPencere::boyutuYenile()
{
    if (layout())
        layout()->activate(); // grows the window to what the content needs
    if (!isVisible())
        return;
    const QRect alan = calismaAlani();
    konum.setY(alan.y() + alan.height() - frameGeometry().height());
    move(konum);
}

void KayanPencere::displayTimerOnTimer()
{
    if (!isVisible()) {
        // Hidden from outside mid-way: nothing to move, so no more ticks.
        zamanlayici->stop();
        durum = Bos;
        return;
    }

    const QRect alan = calismaAlani(); // afresh: a panel may have come or gone
    const int sag = alan.x() + alan.width();
    const int genislik = frameGeometry().width();
    switch (durum) {
    case Giriyor:
        if (konum.x() <= sag - genislik) {
            durum = Bekliyor;
            zamanlayici->start(bekleme);
        } else {
            konum.rx() -= 1;
            move(konum);
        }
        break;
    case Bekliyor:
        durum = Cikiyor;
        zamanlayici->start(kAdim);
        break;
    case Cikiyor:
        if (konum.x() >= sag) {
            durum = Bos;
            zamanlayici->stop();
            hide();
            // Rest inside the work area, so that the next showing finds the same screen.
            konum.setX(sag - genislik);
            move(konum);
        } else {
            konum.rx() += 1;
            move(konum);
        }
        break;
    default:
        zamanlayici->stop();
        break;
    }
}
