#pragma once

#include "ayarlar.h"
#include "hicrimiladihesap.h"
#include "schedule.h"
#include "ui_qravla.h"
#include "vakittakibi.h"

#include <QDate>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

class QLabel;
class QTimer;

class QRavla : public QWidget
{
    Q_OBJECT

public:
    explicit QRavla(QWidget *parent = nullptr);
    ~QRavla() override;

    // Read by the tests and by the dialogs that join the window later.
    int dilNo = 0;
    int gun = 0, ay = 0, yil = 0;
    bool yazSaatiEtkin = false;
    ravla::PrayerTime vakitler[7]; // Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak
    double kibleAci = 0;
    int kibleDerece = 0;
    int kalanSaat = 0;
    int kalanDakika = 0;
    QString vakitCumleleri[7];
    int tikSayaci = 0;
    AyarDegerleri ayar; // the eighteen place and calculation settings

    int SonrakiVakit() const;                     // 1 Fajr .. 5 Isha; 0 when no prayer can be named
    static QString saatYazisi(const QTime &saat); // "hh:mm", the colon blinking
    int animasyonKaresi() const { return animasyonKare; }
    QTimer *animasyonZamanlayicisi() const { return animasyonZamanlayici; }

signals:
    // A prayer's time has come (1 Fajr, 2 Dhuhr, 3 Asr, 4 Maghrib, 5 Isha).
    void vakitGeldi(int vakit);

public slots:
    void showTime();
    void ZamanAkimi();
    void SeceneklerFormuGoster();
    void TrayGizle();
    void TrayGoster();
    void BilgiToolButtonTiklandi();
    void CalSlot();
    void DurSlot();
    void DilComboBoxDegisSlot();
    void slotTrayTiklandi(QSystemTrayIcon::ActivationReason reason);
    void FormuGizleVeYokOl();
    void SesSecSlot();
    void KabeAciSlot();
    void TrayAnimasyon();
    void SetDuzey(int duzey);

private:
    void VakitleriHesapla(int gun, int ay, int yil, double enlem, double boylam, int gmt);
    void EtiketleriYaz();
    void CumleleriDoldur();
    void SonrakiVakitGuncelle();
    void KalanSureHesapla(qint64 hedef);
    void VakitGeldi(int vakit);
    ravla::ScheduleInputs girdiler(int gun, int ay, int yil, double enlem, double boylam,
                                   int gmt) const;

    Ui::QRavlaClass ui;
    HicriMiladiHesap hicri;
    Ayarlar ayarlar;

    QTimer *saatZamanlayici = nullptr;
    QTimer *akisZamanlayici = nullptr;
    QTimer *animasyonZamanlayici = nullptr;
    int animasyonKare = 0;
    QPixmap camiResmi, camikResmi;

    ravla::ScheduleCalculator bugunHesap, dunHesap;
    unsigned long yazilanNesil = 0; // the schedule generation the labels show
    QDate etiketTarihi;             // the date the date lines show
    VakitTakibi takip;
    qint64 simdiMs = 0; // this tick's local wall-clock time
};
