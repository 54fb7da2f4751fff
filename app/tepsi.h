#pragma once

#include <QObject>
#include <QPixmap>
#include <QSystemTrayIcon>

class QAction;
class QMenu;
class QTimer;
class QWidget;

// The program's icon in the notification area: its menu (hide, show, the month's times, quit),
// its tooltip, and the mosque that blinks for a while at a prayer's time (in the window too,
// through resimDegisti). The icon and its menu are made when first asked for.
class Tepsi : public QObject
{
    Q_OBJECT

public:
    Tepsi(int dilNo, const QPixmap &cami, const QPixmap &camik, QWidget *pencere);
    ~Tepsi() override;

    QSystemTrayIcon *ikon();
    bool gorunurMu() const { return ikon_ && ikon_->isVisible(); }
    // The tooltip; an empty one shows `bos` (the window's title).
    void ipucuYaz(const QString &metin, const QString &bos);
    // Which of hide and show the menu offers follows the window.
    void pencereGizlendi();
    void pencereGosterildi();
    void animasyonuBaslat();

public slots:
    void TrayAnimasyon(); // one frame of the blinking; after 171 the icon rests

signals:
    void gizleIstendi();
    void gosterIstendi();
    void aylikIstendi();
    void tiklandi(QSystemTrayIcon::ActivationReason neden);
    void resimDegisti(const QPixmap &resim);

private:
    void resim(const QPixmap &r);

    QWidget *pencere;
    QPixmap cami, camik;
    QAction *gizleAction = nullptr;
    QAction *gosterAction = nullptr;
    QAction *cikisAction = nullptr;
    QAction *aylikAction = nullptr;
    QMenu *menu = nullptr;
    QSystemTrayIcon *ikon_ = nullptr;
    QString ipucu;
    QString bosIpucu;
    QTimer *animasyonZamanlayici = nullptr;
    int animasyonKare = 0;
};
