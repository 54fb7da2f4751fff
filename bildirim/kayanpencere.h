#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

class QScreen;
class QTimer;

// A small frameless window that slides in from the right edge of the work area, stays a
// while and slides out again, one pixel per millisecond. Shared by the adhan popup and the
// notice form; they differ only in their form, their message and how long they stay.
class KayanPencere : public QWidget
{
    Q_OBJECT

public:
    enum Durum { Bos = 0, Giriyor = 1, Bekliyor = 2, Cikiyor = 3 };

    // Where the popup may lie, in global coordinates. By default the available geometry of
    // the screen it is on (panels excluded); tests hand in a known one.
    using CalismaAlaniKaynagi = std::function<QRect()>;
    void calismaAlaniKaynagiAyarla(CalismaAlaniKaynagi kaynak);

    int durumu() const { return durum; }
    QTimer *zamanlayicisi() const { return zamanlayici; }

public slots:
    void displayTimerOnTimer();

protected:
    KayanPencere(int beklemeMs, QWidget *parent);

    void kayarakGoster(); // from beyond the right edge; restarts a running animation
    void kayarakKapat();  // turns back at once; nothing when not on screen
    // The content changed on screen: the popup takes its new size, its bottom where it was.
    void boyutuYenile();

private:
    QRect calismaAlani();
    QRect ekranAlani();

    QTimer *zamanlayici = nullptr;
    int durum = Bos;
    const int bekleme;
    CalismaAlaniKaynagi kaynak;
    QRect sonAlan; // the last valid work area, for a moment without a screen
    // Where we put the popup. Not read back from the window: the window system reports moves
    // late, and one that ignores them (or a user's drag) must not keep a slide from ending.
    QPoint konum;
    QPointer<QScreen> ekran; // the screen one slide runs on
};
