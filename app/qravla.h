#pragma once

#include "aniform.h"
#include "ayarlar.h"
#include "bilgi.h"
#include "ezanpopup.h"
#include "hicrimiladihesap.h"
#include "schedule.h"
#include "secenekler.h"
#include "timetable.h"
#include "vakittakibi.h"

#include <QDate>
#include <QHash>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class AylikCizelge;
class EzanSec;
class kible;
namespace Ui {
class QRavlaClass;
}

class QRavla : public QWidget
{
    Q_OBJECT

public:
    explicit QRavla(QWidget *parent = nullptr);
    ~QRavla() override;

    // The eighteen place and calculation settings in force; the dialogs write them.
    AyarDegerleri &ayarDegerleri() { return ayar; }
    // Today's schedule: Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak (daylight saving in).
    const ravla::PrayerTime &vakit(int i) const { return vakitler[i]; }
    bool yazSaatiEtkinMi() const { return yazSaatiEtkin; }
    int kibleDerecesi() const { return kibleDerece; }

    int SonrakiVakit() const;                     // 1 Fajr .. 5 Isha; 0 when no prayer can be named
    static QString saatYazisi(const QTime &saat); // "hh:mm", the colon blinking
    int animasyonKaresi() const { return animasyonKare; }
    QTimer *animasyonZamanlayicisi() const { return animasyonZamanlayici; }
    QSystemTrayIcon *trayIkonu(); // made with the window's first turn of the event loop
    AniForm &bildirim();          // made when first needed, like the dialogs
    EzanPopup &ezanBildirimi();
    EzanSec &ezanSecimi();
    kible &kibleFormu();
    int SimdikiVakit() const; // the prayer whose adhan "Oku" plays now; 0: the fallback
    static QString ipucuMetni(int dilNo, int vakit, qint64 hedefMs, int saat, int dakika);

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
    void VakitleriHesapla(int gun, int ay, int yil);
    void EtiketleriYaz();
    void CumleleriDoldur();
    void SonrakiVakitGuncelle();
    void KalanSureHesapla(qint64 hedef);
    void VakitGeldi(int vakit);
    void HatirlatmaGeldi(int vakit);
    void tepsiIpucu(const QString &metin);
    void GorusSor();
    void ResimleriKoy();
    void BaslangiciTamamla();
    void TrayEylemleriniKur();
    void TrayMenusunuKur();
    void tepsiResmi(const QPixmap &resim);
    ravla::ScheduleInputs girdiler(const QDate &tarih);

    int dilNo = 0;
    int gun = 0, ay = 0, yil = 0;
    bool yazSaatiEtkin = false;
    ravla::PrayerTime vakitler[7];
    double kibleAci = 0;
    int kibleDerece = 0;
    int kalanSaat = 0;
    int kalanDakika = 0;
    QString vakitCumleleri[7];
    int tikSayaci = 0;
    AyarDegerleri ayar;

    std::unique_ptr<Ui::QRavlaClass> ui;
    HicriMiladiHesap hicri;
    // The popups and dialogs are made when first shown: a program that starts into the tray
    // need not build them (the options dialog alone is some 400 widgets).
    secenekler &seceneklerFormu();
    bilgi &bilgiFormu();
    std::unique_ptr<AniForm> aniForm;
    std::unique_ptr<EzanPopup> ezanPopup;
    std::unique_ptr<secenekler> secenekFormu;
    std::unique_ptr<bilgi> bilgiPenceresi;

    QTimer *saatZamanlayici = nullptr;
    QTimer *akisZamanlayici = nullptr;
    QTimer *gizlemeZamanlayici = nullptr;
    QTimer *animasyonZamanlayici = nullptr;
    QAction *gizleAction = nullptr;
    QAction *gosterAction = nullptr;
    QAction *cikisAction = nullptr;
    QAction *aylikAction = nullptr;
    QMenu *trayMenu = nullptr;
    QSystemTrayIcon *trayIkon = nullptr;
    QString ipucu; // the tray tooltip, kept for an icon made later
    std::unique_ptr<EzanSec> ezanSec;
    std::unique_ptr<AylikCizelge> aylikCizelge;
    std::unique_ptr<kible> kibleDialogu;
    int animasyonKare = 0;
    QPixmap camiResmi, camikResmi;

    ravla::ScheduleCalculator bugunHesap, dunHesap, yarinHesap;
    unsigned long yazilanNesil = 0; // the schedule generation the labels show
    QDate etiketTarihi;             // the date the date lines show
    int etiketHicriDuzeltmesi = 0;  // and the Hijri correction they were written with
    // The inputs of the days asked for, built once for the settings they were built with.
    std::optional<AyarDegerleri> girdiAyari;
    vakit::Run girdiSecenekleri;
    QHash<qint64, ravla::ScheduleInputs> girdiler_;
    VakitTakibi takip;
    VakitTakibi hatirlatmaTakibi;
    int kurulanHatirlat[6] = {}; // the reminders hatirlatmaTakibi follows
    qint64 simdiMs = 0;          // this tick's local wall-clock time
    QDateTime simdiAn;           // and the instant, with its clock's zone
};
