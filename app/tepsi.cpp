#include "tepsi.h"

#include "metinler.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTimer>
#include <QWidget>

Tepsi::Tepsi(int dilNo, const QPixmap &cami_, const QPixmap &camik_, QWidget *pencere_)
    : QObject(pencere_), pencere(pencere_), cami(cami_), camik(camik_)
{
    gizleAction = new QAction(Metinler::tepsiMenusu(dilNo, 0), this);
    gosterAction = new QAction(Metinler::tepsiMenusu(dilNo, 1), this);
    cikisAction = new QAction(Metinler::tepsiMenusu(dilNo, 2), this);
    aylikAction = new QAction(Metinler::tepsiMenusu(dilNo, 3), this);
    connect(aylikAction, &QAction::triggered, this, &Tepsi::aylikIstendi);
    connect(gizleAction, &QAction::triggered, this, &Tepsi::gizleIstendi);
    connect(gosterAction, &QAction::triggered, this, &Tepsi::gosterIstendi);
    // exit, not quit: quit first asks every window to close, and the main window only hides
    // into the tray, which cancels it wherever another window is still open (on X11 the tray
    // icon itself is one).
    connect(cikisAction, &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });
    gosterAction->setEnabled(false);

    animasyonZamanlayici = new QTimer(this);
    animasyonZamanlayici->setObjectName(QStringLiteral("animasyonZamanlayici"));
    connect(animasyonZamanlayici, &QTimer::timeout, this, &Tepsi::TrayAnimasyon);
}

Tepsi::~Tepsi()
{
    delete ikon_; // leaves the notification area at once
}

QSystemTrayIcon *Tepsi::ikon()
{
    if (ikon_)
        return ikon_;
    menu = new QMenu(pencere);
    menu->addAction(gizleAction);
    menu->addAction(gosterAction);
    menu->addAction(aylikAction);
    menu->addSeparator();
    menu->addAction(cikisAction);
    ikon_ = new QSystemTrayIcon(this);
    ikon_->setContextMenu(menu);
    ikon_->setIcon(cami);
    ikon_->setToolTip(ipucu.isEmpty() ? bosIpucu : ipucu);
    connect(ikon_, &QSystemTrayIcon::activated, this, &Tepsi::tiklandi);
    return ikon_;
}

void Tepsi::ipucuYaz(const QString &metin, const QString &bos)
{
    // A tooltip set anew every second would flicker where the desktop shows it.
    ipucu = metin;
    bosIpucu = bos;
    const QString gosterilen = metin.isEmpty() ? bos : metin;
    if (ikon_ && ikon_->toolTip() != gosterilen)
        ikon_->setToolTip(gosterilen);
}

void Tepsi::pencereGizlendi()
{
    gizleAction->setEnabled(false);
    gosterAction->setEnabled(true);
}

void Tepsi::pencereGosterildi()
{
    gizleAction->setEnabled(true);
    gosterAction->setEnabled(false);
}

void Tepsi::animasyonuBaslat()
{
    animasyonZamanlayici->start(700);
}

void Tepsi::resim(const QPixmap &r)
{
    emit resimDegisti(r);
    if (ikon_)
        ikon_->setIcon(r);
}

void Tepsi::TrayAnimasyon()
{
    ++animasyonKare;
    resim(animasyonKare % 2 ? cami : camik);
    if (animasyonKare > 170) {
        animasyonKare = 0;
        resim(cami);
        animasyonZamanlayici->stop();
    }
}
