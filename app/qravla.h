#pragma once

#include "aniform.h"
#include "ayarlar.h"
#include "bilgi.h"
#include "ezanpopup.h"
#include "gunlukvakitler.h"
#include "hicrimiladihesap.h"
#include "ilkcalisma.h"
#include "masaustubildirimi.h"
#include "secenekler.h"

#include <QDate>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QTimer;
class AylikCizelge;
class EzanSec;
class Tepsi;
class kible;
namespace Ui {
class QRavlaClass;
}

// The main window: the day's times, the dates, the clock and the countdown, the buttons of the
// adhan, the dialogs, and the popups and sound when a prayer's time or a reminder comes. The
// schedule itself is GunlukVakitler's, the tray icon Tepsi's.
class QRavla : public QWidget
{
    Q_OBJECT

public:
    explicit QRavla(QWidget *parent = nullptr);
    ~QRavla() override;

    static QString saatYazisi(const QTime &saat); // "hh:mm", the colon blinking
    QSystemTrayIcon *trayIkonu(); // made with the window's first turn of the event loop
    AniForm &bildirim();          // made when first needed, like the dialogs
    EzanPopup &ezanBildirimi();
    MasaustuBildirimi &masaustuBildirimi(); // joins the session bus when first used
    EzanSec &ezanSecimi();
    kible &kibleFormu();

    // Whether the desktop has a system tray; tests stand in for it.
    static std::function<bool()> tepsiVarMi;

signals:
    // A prayer's time has come (1 Fajr, 2 Dhuhr, 3 Asr, 4 Maghrib, 5 Isha).
    void vakitGeldi(int vakit);
    // A reminder came before a prayer (1..5) or İmsak (6).
    void hatirlatmaGeldi(int vakit);

protected:
    void closeEvent(QCloseEvent *olay) override;
    void showEvent(QShowEvent *olay) override;
    void hideEvent(QHideEvent *olay) override;

public slots:
    // The settings in force from now on, as the options dialog confirmed them.
    void ayarlariUygula(const AyarDegerleri &yeni);
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
    void AylikCizelgeGoster();

private:
    QString yerAdi() const; // the place line's text
    void vakitleriGoster(const ravla::DaySchedule &gun);
    void SonrakiVakitGuncelle();
    void VakitGeldi(int vakit);
    void HatirlatmaGeldi(int vakit);
    void GorusSor(const QDate &bugun);
    // Tells the adhan (`ezan`; the sliding popup then shows `kayanMesaj`) or a notice the way
    // the user chose and the desktop allows.
    void duyur(bool ezan, const QString &baslik, const QString &metin,
               const QString &kayanMesaj = {});
    void calinamadi(); // the chosen recording failed: the popup or the notification says so
    void pencereAc(QWidget &pencere);
    void ResimleriKoy();
    void BaslangiciTamamla();
    void ilkCalismaBildir();
    int SimdikiVakit() const; // the prayer whose adhan "Oku" plays now; 0: the fallback

    int dilNo = 0;
    bool yazSaatiEtkin = false;
    int kibleDerece = 0;
    int tikSayaci = 0;

    std::unique_ptr<Ui::QRavlaClass> ui;
    GunlukVakitler *gunluk = nullptr;
    Tepsi *tepsi = nullptr;
    ravla::HicriMiladiHesap hicri;
    // The popups and dialogs are made when first shown: a program that starts into the tray
    // need not build them (the options dialog alone is some 400 widgets).
    secenekler &seceneklerFormu();
    bilgi &bilgiFormu();
    std::unique_ptr<AniForm> aniForm;
    std::unique_ptr<EzanPopup> ezanPopup;
    std::unique_ptr<MasaustuBildirimi> masaustu;
    std::unique_ptr<secenekler> secenekFormu;
    std::unique_ptr<bilgi> bilgiPenceresi;
    std::unique_ptr<EzanSec> ezanSec;
    std::unique_ptr<AylikCizelge> aylikCizelge;
    std::unique_ptr<kible> kibleDialogu;

    QTimer *saatZamanlayici = nullptr;
    QTimer *akisZamanlayici = nullptr;
    QTimer *gizlemeZamanlayici = nullptr;
    QPixmap camiResmi, camikResmi;
    // Set while nothing is stored: the place and method the program chose by itself.
    std::optional<IlkCalisma> ilkCalisma;
    QDate etiketTarihi;            // the date the date lines show
    int etiketHicriDuzeltmesi = 0; // and the Hijri correction and calendar they were written with
    int etiketHicriTakvimi = 0;
    QString geceSatiri; // tonight's kandil, for the tray's tooltip too
};
