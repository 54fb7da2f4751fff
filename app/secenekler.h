#pragma once

#include "ayarlar.h"
#include "sehirveritabani.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
namespace Ui {
class seceneklerClass;
}

// The options dialog: a place from the city list or typed in, the calculation method and the
// Asr rule, the time zone and daylight saving. Each page's "Tamam" saves the settings with
// that page's choices, hands them to the window and hides the dialog.
class secenekler : public QWidget
{
    Q_OBJECT

public:
    explicit secenekler(QWidget *parent = nullptr);
    ~secenekler() override;

    // Takes a copy of the settings in force and shows them on pages 2 to 4.
    void AyarlariBagla(const AyarDegerleri &degerler);

    void UlkeListesiniOku();
    void sehirSayfasiniAc(); // the list of countries and places in front
    void SehirListesiniOku(const QString &ulke);
    static QString SehirAdiniAyikla(const QString &satir);
    void KoordinatlariAyikla();

signals:
    // A page was confirmed: these are the settings now, and they were saved.
    void ayarlarKaydedildi(const AyarDegerleri &degerler);

private slots:
    void UlkelistWidgetTiklandi();
    void SehirlistWidgetTiklandi();
    void UygulaBtnTiklandi();
    void OzelSehirTamamBtnTiklandi();
    void OzelEnlemlineEditSayiGirisKontrol(const QString &metin);
    void OzelBoylamlineEditSayiGirisKontrol(const QString &metin);
    void GunIsigiSecimiDegisti(); // either page's "Elle" or "Otomotik"
    void YontemTamamBtnTiklandi();
    void OzelYontemTUMRadioButtonlarTiklandi();
    void GenelAyarTamamBtnTiklandi();
    void UlkeFiltreDegisti(const QString &metin);
    void SehirFiltreDegisti(const QString &metin);

private:
    struct TarihKutulari {
        QRadioButton *elle;
        QComboBox *gunBasla, *ayBasla, *yilBasla, *gunBitis, *ayBitis, *yilBitis;
    };

    void listeleriDoldur();
    void ayarlariGoster();
    void tarihleriGoster(const TarihKutulari &k);
    void tarihleriYaz(const TarihKutulari &k);
    void tarihKutulariEtkin(const TarihKutulari &k, bool etkin);
    void sayiGirisKontrol(QLineEdit *kutu, const QString &metin);
    void kaydetVeKapat();
    void uyar(const QString &metin);
    void ulkeYonteminiIsaretle(const QString &ulke, bool ipucu);
    static QString hicriTakvimAdi(int takvim);
    void hicriTakvimleriniYaz(int ulkeninTakvimi);
    void sayfaTamam(int sayfa);
    bool bekleyenSecim(int sayfa) const;
    bool sayfayiAl(int sayfa);
    bool listedenSehirAl();
    bool ozelSehirAl();
    bool yontemAl();
    bool genelAyarlariAl();
    QStringList sayfaDurumu(int sayfa) const;
    std::optional<SehirVeritabani::YakinSaatDilimi> ozelSaatDilimi() const;
    void ozelSaatDiliminiGoster();
    QList<QRadioButton *> yontemDugmeleri() const;
    std::array<QSpinBox *, 7> dakikaKutulari() const;
    std::array<QSpinBox *, 6> hatirlatmaKutulari() const;

    std::unique_ptr<Ui::seceneklerClass> ui;
    AyarDegerleri ayar;    // the pages' settings, given to the window once saved
    AyarDegerleri kayitli; // what the store holds: the pages go back to it when a save fails
    bool ayarVar = false;
    Ayarlar ayarlar;
    TarihKutulari ozelTarih{}, genelTarih{};

    // The place chosen on the first page, waiting for its "Tamam".
    QStringList sehirSatirlari;
    QString secilenSatir;
    QString secilenUlke;
    QString secilenSehir;
    double listeEnlem = 0;
    double listeBoylam = 0;
    double listeGmt = 0;
    QString listeSaatDilimi;
    bool sehirSecildi = false;
    QList<QStringList> gosterilenSayfalar; // each page's boxes as shown
};
