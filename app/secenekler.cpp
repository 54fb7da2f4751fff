#include "secenekler.h"

#include "dil.h"
#include "otomatikbaslat.h"
#include "resimler.h"
#include "saat.h"
#include "sehirveritabani.h"
#include "ui_secenekler.h"

#include "hicritakvim.h"
#include "saatdilimi.h"

#include <QCollator>
#include <QLocale>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The country row's Turkish name, the one files and the store use.
constexpr int kTurkceAd = Qt::UserRole + 1;

// The time zones in use: the whole hours and the fractional ones, in order.
const double kSaatDilimleri[] = {-15, -14, -13,  -12, -11,  -10,   -9.5, -9, -8, -7,   -6,
                                 -5,  -4,  -3.5, -3,  -2,   -1,    0,    1,  2,  3,    3.5,
                                 4,   4.5, 5,    5.5, 5.75, 6,     6.5,  7,  8,  8.75, 9,
                                 9.5, 10,  10.5, 11,  12,   12.75, 13,   14, 15};

constexpr int kIlkYil = 2004;

void gmtListesiDoldur(QComboBox *kutu)
{
    for (const double saat : kSaatDilimleri)
        kutu->addItem(SaatDilimi::ofsetMetni(saat), saat);
    kutu->setCurrentIndex(kutu->findData(0.0));
}

// Selects the offset in a time-zone list, adding it in its place if the list lacks it.
void gmtSec(QComboBox *kutu, double saat)
{
    int i = 0;
    while (i < kutu->count() && kutu->itemData(i).toDouble() < saat - 1e-9)
        ++i;
    if (i == kutu->count() || std::fabs(kutu->itemData(i).toDouble() - saat) > 1e-9)
        kutu->insertItem(i, SaatDilimi::ofsetMetni(saat), saat);
    kutu->setCurrentIndex(i);
}

void yilSec(QComboBox *kutu, int yil)
{
    int i = kutu->findText(QString::number(yil));
    if (i < 0) {
        i = 0;
        while (i < kutu->count() && kutu->itemText(i).toInt() < yil)
            ++i;
        kutu->insertItem(i, QString::number(yil));
    }
    kutu->setCurrentIndex(i);
}

// A number as typed: ',' or '.' as the decimal point, digits of any script. Empty when the
// text is no number.
std::optional<double> sayiOku(const QString &metin)
{
    QString ascii;
    for (const QChar c : metin.trimmed()) {
        if (c.isDigit())
            ascii += QChar(u'0' + c.digitValue());
        else if (c == u',')
            ascii += u'.';
        else
            ascii += c;
    }
    bool sayi = false;
    const double d = ascii.toDouble(&sayi);
    if (!sayi || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// An angle as the user's locale writes it, or with '.' as the decimal point.
std::optional<double> aciOku(const QString &metin)
{
    bool sayi = false;
    const double d = QLocale::system().toDouble(metin, &sayi);
    if (sayi && std::isfinite(d))
        return d;
    return sayiOku(metin);
}

QString sayiYaz(double d)
{
    return QString::number(d, 'g', 10).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

secenekler::secenekler(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::seceneklerClass>())
{
    resimleriYukle();
    ui->setupUi(this);
    hicriTakvimleriniYaz(0);
    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // Four tabs with their 30-pixel icons fill the width: no scroll arrows, tighter tabs. A
    // language whose titles need more widens the dialog rather than cutting them.
    ui->tabWidget->setUsesScrollButtons(false);
    ui->tabWidget->tabBar()->setElideMode(Qt::ElideNone);
    ui->tabWidget->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 5px; }"));
    ui->tabWidget->tabBar()->ensurePolished();
    const int sekmeler =
        ui->tabWidget->tabBar()->sizeHint().width() + 2 * layout()->contentsMargins().left() + 8;
    setFixedSize(std::max(569, sekmeler), 567);

    ozelTarih = {ui->OzelGunIsikRadioButton, ui->OzelBaslaGuncomboBox, ui->OzelBaslaAycomboBox,
                 ui->OzelBaslaSeneComboBox,  ui->OzelBitisGuncomboBox, ui->OzelBitisAycomboBox,
                 ui->OzelBitisSeneComboBox};
    genelTarih = {ui->GenelAyarIsikRadioButton, ui->GenelAyarBaslaGunCmb, ui->GenelAyarBaslaAyCmb,
                  ui->GenelAyarBaslaSeneCmb,    ui->GenelAyarBitisGunCmb, ui->GenelAyarBitisAyCmb,
                  ui->GenelAyarBitisSeneCmb};

    connect(ui->UlkelistWidget, &QListWidget::itemSelectionChanged, this,
            &secenekler::UlkelistWidgetTiklandi);
    connect(ui->SehirlistWidget, &QListWidget::itemClicked, this,
            &secenekler::SehirlistWidgetTiklandi);
    connect(ui->TamamButton, &QPushButton::clicked, this, &secenekler::UygulaBtnTiklandi);
    connect(ui->OzelSehirTamamBtn, &QPushButton::clicked, this,
            &secenekler::OzelSehirTamamBtnTiklandi);
    connect(ui->OzelEnlemlineEdit, &QLineEdit::textChanged, this,
            &secenekler::OzelEnlemlineEditSayiGirisKontrol);
    connect(ui->OzelBoylamlineEdit, &QLineEdit::textChanged, this,
            &secenekler::OzelBoylamlineEditSayiGirisKontrol);
    for (QLineEdit *kutu : {ui->OzelEnlemlineEdit, ui->OzelBoylamlineEdit})
        connect(kutu, &QLineEdit::textChanged, this, &secenekler::ozelSaatDiliminiGoster);
    connect(ui->OzelGmtComboBox, &QComboBox::currentIndexChanged, this,
            &secenekler::ozelSaatDiliminiGoster);
    connect(ui->OzelGunIsikOtoRadioButton, &QRadioButton::toggled, this,
            &secenekler::ozelSaatDiliminiGoster);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &secenekler::ozelSaatDiliminiGoster);
    // "Elle" opens the date boxes of its page, "Otomotik" closes them.
    for (QRadioButton *r : {ui->OzelGunIsikRadioButton, ui->OzelGunIsikOtoRadioButton,
                            ui->GenelAyarIsikRadioButton, ui->GenelAyarIsikOtoRadioButton})
        connect(r, &QRadioButton::clicked, this, &secenekler::GunIsigiSecimiDegisti);
    connect(ui->YontemTamamBtn, &QPushButton::clicked, this, &secenekler::YontemTamamBtnTiklandi);
    for (QRadioButton *r : ui->YontemGroupBox->findChildren<QRadioButton *>())
        connect(r, &QRadioButton::clicked, this, &secenekler::OzelYontemTUMRadioButtonlarTiklandi);
    connect(ui->GenelAyarTamamBtn, &QPushButton::clicked, this,
            &secenekler::GenelAyarTamamBtnTiklandi);
    connect(ui->UlkeFiltreLineEdit, &QLineEdit::textChanged, this, &secenekler::UlkeFiltreDegisti);
    connect(ui->SehirFiltreLineEdit, &QLineEdit::textChanged, this,
            &secenekler::SehirFiltreDegisti);

    ui->TamamButton->setEnabled(false);
    ui->SehirHataLabel->hide();
    ui->UlkeYontemiLabel->hide();
    ui->OzelSaatDilimiLabel->hide();
    listeleriDoldur();
}

secenekler::~secenekler() = default;

void secenekler::listeleriDoldur()
{
    const QStringList aylar{tr("Ocak"),  tr("Şubat"),   tr("Mart"),   tr("Nisan"),
                            tr("Mayıs"), tr("Haziran"), tr("Temmuz"), tr("Ağustos"),
                            tr("Eylül"), tr("Ekim"),    tr("Kasım"),  tr("Aralık")};
    QStringList gunler, yillar;
    for (int g = 1; g <= 31; ++g)
        gunler << QString::number(g);
    // Dates can be given up to ten years ahead.
    for (int y = kIlkYil; y <= Saat::simdi().date().year() + 10; ++y)
        yillar << QString::number(y);
    for (const TarihKutulari &k : {ozelTarih, genelTarih}) {
        k.gunBasla->addItems(gunler);
        k.gunBitis->addItems(gunler);
        k.ayBasla->addItems(aylar);
        k.ayBitis->addItems(aylar);
        k.yilBasla->addItems(yillar);
        k.yilBitis->addItems(yillar);
    }
    gmtListesiDoldur(ui->OzelGmtComboBox);
    gmtListesiDoldur(ui->GenelAyrCmb);
}

void secenekler::AyarlariBagla(const AyarDegerleri &degerler)
{
    ayar = degerler;
    kayitli = degerler;
    ayarVar = true;
    // A place picked and not confirmed last time is not offered as if it were in force.
    ui->UlkelistWidget->clearSelection();
    ui->SehirlistWidget->clear();
    sehirSatirlari.clear();
    sehirSecildi = false;
    ui->TamamButton->setEnabled(false);
    for (QLabel *l : {ui->enlemlabel, ui->boylamlabel, ui->gmtlabel})
        l->clear();
    ui->SehirHataLabel->hide();
    ui->UlkeYontemiLabel->hide();
    ayarlariGoster();
}

// Pages 2 to 4 show what is in force, so that confirming one of them to change one thing
// never changes another behind the user's back.
void secenekler::ayarlariGoster()
{
    ui->OzelSehirlineEdit->setText(ayar.sehirAdi);
    ui->OzelUlkelineEdit->setText(ayar.ulkeAdi);
    ui->OzelEnlemlineEdit->setText(sayiYaz(ayar.enlem));
    ui->OzelBoylamlineEdit->setText(sayiYaz(ayar.boylam));
    gmtSec(ui->OzelGmtComboBox, ayar.gmt);
    gmtSec(ui->GenelAyrCmb, ayar.gmt);
    tarihleriGoster(ozelTarih);
    tarihleriGoster(genelTarih);
    ui->OzelGunIsikOtoRadioButton->setChecked(ayar.yazSaatiOtomatik);
    ui->GenelAyarIsikOtoRadioButton->setChecked(ayar.yazSaatiOtomatik);

    QRadioButton *yontem = ayar.ozelHesapYontem ? ui->HesapOzelYontemRadioButton : nullptr;
    for (QRadioButton *r : yontemDugmeleri())
        if (!yontem && r->property("kod").toInt() == ayar.hesapYontemi)
            yontem = r;
    if (yontem) {
        yontem->setChecked(true);
        // Once the page is laid out, the method in force is scrolled into view.
        QTimer::singleShot(
            0, this, [this, yontem] { ui->YontemKaydirmaAlani->ensureWidgetVisible(yontem); });
    } else { // no button for it: none is selected
        for (QRadioButton *r : ui->YontemGroupBox->findChildren<QRadioButton *>()) {
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(true);
        }
    }
    ulkeYonteminiIsaretle(ayar.ulkeAdi, false);
    const bool ozel = ui->HesapOzelYontemRadioButton->isChecked();
    ui->OzeFecirLineEdit->setEnabled(ozel);
    ui->OzeYatsiLineEdit->setEnabled(ozel);
    ui->OzeFecirLineEdit->setText(QLocale::system().toString(ayar.sabahAci));
    ui->OzeYatsiLineEdit->setText(QLocale::system().toString(ayar.yatsiAci));
    (ayar.hanefiMezhep ? ui->ikindiHanefiRadioButton : ui->ikindi3MezhepRadioButton)
        ->setChecked(true);
    for (int i = 0; i < 7; ++i)
        dakikaKutulari()[i]->setValue(ayar.dakikalar[i]);
    ui->YuksekEnlemComboBox->setCurrentIndex(ayar.yuksekEnlemKurali);
    ui->HicriDuzeltmeSpinBox->setValue(ayar.hicriDuzeltme);
    ui->HicriTakvimComboBox->setCurrentIndex(ayar.hicriTakvim);
    for (int i = 0; i < 6; ++i) // the lowest value of the box reads "off"
        hatirlatmaKutulari()[i]->setValue(ayar.hatirlat[i] >= 5 ? ayar.hatirlat[i] : 4);
    ui->HatirlatmaSesiCheckBox->setChecked(ayar.hatirlatmaSesi);
    ui->BildirimSekliComboBox->setCurrentIndex(ayar.bildirimSekli);
    ui->OtomatikBaslatCheckBox->setChecked(OtomatikBaslat::etkinMi());
    gosterilenSayfalar.clear();
    for (int i = 0; i < ui->tabWidget->count(); ++i)
        gosterilenSayfalar << sayfaDurumu(i);
}

std::array<QSpinBox *, 6> secenekler::hatirlatmaKutulari() const
{
    return {ui->HatirlatImsakSpinBox,  ui->HatirlatSabahSpinBox, ui->HatirlatOgleSpinBox,
            ui->HatirlatIkindiSpinBox, ui->HatirlatAksamSpinBox, ui->HatirlatYatsiSpinBox};
}

// The method buttons with their method's code; the custom method has none.
QList<QRadioButton *> secenekler::yontemDugmeleri() const
{
    QList<QRadioButton *> dugmeler;
    for (QRadioButton *r : ui->YontemGroupBox->findChildren<QRadioButton *>())
        if (r->property("kod").isValid())
            dugmeler << r;
    return dugmeler;
}

// The minute boxes in the schedule's order: Fajr, sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak.
std::array<QSpinBox *, 7> secenekler::dakikaKutulari() const
{
    return {ui->DakikaSabahSpinBox,  ui->DakikaGunesSpinBox, ui->DakikaOgleSpinBox,
            ui->DakikaIkindiSpinBox, ui->DakikaAksamSpinBox, ui->DakikaYatsiSpinBox,
            ui->DakikaImsakSpinBox};
}

void secenekler::tarihleriGoster(const TarihKutulari &k)
{
    const bool elle = !ayar.yazSaatiOtomatik;
    k.elle->setChecked(elle);
    tarihKutulariEtkin(k, elle);
    // No dates of the user's own yet: this year's European ones, a start a user can adjust.
    const int yil = Saat::simdi().date().year();
    const auto sonPazar = [yil](int ay) {
        QDate d(yil, ay, QDate(yil, ay, 1).daysInMonth());
        return d.addDays(-(d.dayOfWeek() % 7));
    };
    const bool kayitli = ayar.yazYilBasla > 0 && ayar.yazYilBitis > 0;
    const QDate bas = kayitli ? QDate() : sonPazar(3), bit = kayitli ? QDate() : sonPazar(10);
    const int gunBasla = kayitli ? ayar.yazGunBasla : bas.day();
    const int ayBasla = kayitli ? ayar.yazAyBasla : bas.month();
    const int gunBitis = kayitli ? ayar.yazGunBitis : bit.day();
    const int ayBitis = kayitli ? ayar.yazAyBitis : bit.month();
    if (gunBasla >= 1 && gunBasla <= 31)
        k.gunBasla->setCurrentIndex(gunBasla - 1);
    if (ayBasla >= 1 && ayBasla <= 12)
        k.ayBasla->setCurrentIndex(ayBasla - 1);
    yilSec(k.yilBasla, kayitli ? ayar.yazYilBasla : yil);
    if (gunBitis >= 1 && gunBitis <= 31)
        k.gunBitis->setCurrentIndex(gunBitis - 1);
    if (ayBitis >= 1 && ayBitis <= 12)
        k.ayBitis->setCurrentIndex(ayBitis - 1);
    yilSec(k.yilBitis, kayitli ? ayar.yazYilBitis : yil);
}

void secenekler::tarihKutulariEtkin(const TarihKutulari &k, bool etkin)
{
    for (QComboBox *c : {k.gunBasla, k.ayBasla, k.yilBasla, k.gunBitis, k.ayBitis, k.yilBitis})
        c->setEnabled(etkin);
}

// "Elle" takes the six dates as chosen (a 31 February included); the automatic rule leaves
// the stored dates alone.
void secenekler::tarihleriYaz(const TarihKutulari &k)
{
    if (!k.elle->isChecked()) {
        ayar.yazSaatiOtomatik = true;
        return;
    }
    ayar.yazSaatiOtomatik = false;
    ayar.yazGunBasla = k.gunBasla->currentText().toInt();
    ayar.yazAyBasla = k.ayBasla->currentIndex() + 1;
    ayar.yazYilBasla = k.yilBasla->currentText().toInt();
    ayar.yazGunBitis = k.gunBitis->currentText().toInt();
    ayar.yazAyBitis = k.ayBitis->currentIndex() + 1;
    ayar.yazYilBitis = k.yilBitis->currentText().toInt();
}

void secenekler::kaydetVeKapat()
{
    if (!ayarlar.Kaydet(ayar)) {
        // The window goes on with what is stored; the page keeps the choice for another try.
        ayar = kayitli;
        QMessageBox::critical(this, tr("Hata"), ayarlar.hata(), QMessageBox::Ok);
        return;
    }
    kayitli = ayar;
    emit ayarlarKaydedildi(ayar);
    close();
}

void secenekler::uyar(const QString &metin)
{
    QMessageBox::information(this, tr("Uyarı"), metin, QMessageBox::Ok);
}

void secenekler::sehirSayfasiniAc()
{
    ui->tabWidget->setCurrentWidget(ui->YeniSehirSayfasi);
}

void secenekler::UlkeListesiniOku()
{
    const std::optional<QStringList> ulkeler = SehirVeritabani::ulkeler(SehirVeritabani::klasor());
    if (!ulkeler) {
        QMessageBox::critical(this, tr("Uyarı"), tr("Ülkeler listesi bulunamadı"), QMessageBox::Ok);
        return;
    }
    ui->UlkelistWidget->clear();
    // Shown in the interface's language and in its order, found by any of the four: the
    // Turkish name, which the files and the store use, rides along.
    const QString klasor = SehirVeritabani::klasor();
    const int dil = Dil::arayuzDili();
    struct Satir {
        QString gorunen, turkce, anahtar;
    };
    std::vector<Satir> satirlar;
    for (const QString &u : *ulkeler) {
        QStringList adlar{u};
        for (const QStringList &a : SehirVeritabani::ulkeAdlari(klasor, u).adlar)
            adlar << a;
        QStringList anahtarlar;
        for (const QString &a : adlar)
            anahtarlar << SehirVeritabani::aramaAnahtari(a);
        satirlar.push_back(
            {SehirVeritabani::ulkeAdi(klasor, u, dil), u, anahtarlar.join(QLatin1Char('\n'))});
    }
    if (dil != 0) { // liste.dat is in Turkish order already
        QCollator sira{QLocale(QStringList{"tr", "ar", "de", "en"}.value(dil))};
        std::stable_sort(satirlar.begin(), satirlar.end(), [&sira](const Satir &a, const Satir &b) {
            return sira.compare(a.gorunen, b.gorunen) < 0;
        });
    }
    for (const Satir &s : satirlar) {
        auto *oge = new QListWidgetItem(s.gorunen, ui->UlkelistWidget);
        oge->setData(Qt::UserRole, s.anahtar);
        oge->setData(kTurkceAd, s.turkce);
    }
    UlkeFiltreDegisti(ui->UlkeFiltreLineEdit->text());
}

void secenekler::UlkelistWidgetTiklandi()
{
    const QList<QListWidgetItem *> secili = ui->UlkelistWidget->selectedItems();
    if (ui->UlkelistWidget->count() == 0 || secili.isEmpty())
        return;
    ui->TamamButton->setEnabled(false);
    sehirSecildi = false;
    ui->enlemlabel->clear();
    ui->boylamlabel->clear();
    ui->gmtlabel->clear();
    ui->SehirHataLabel->hide();
    secilenUlke = secili.first()->data(kTurkceAd).toString();
    ui->SehirFiltreLineEdit->clear();
    SehirListesiniOku(secilenUlke);
    ulkeYonteminiIsaretle(secilenUlke, true);
}

// The country's own method is offered, never put in force: the method confirmed stays until
// the user confirms another. `ipucu`: the place page says so too, as a country is picked.
void secenekler::ulkeYonteminiIsaretle(const QString &ulke, bool ipucu)
{
    const int kod = SehirVeritabani::ulkeninYontemi(ulke);
    QRadioButton *onerilen = nullptr;
    for (QRadioButton *r : yontemDugmeleri()) {
        if (!r->property("asilMetin").isValid())
            r->setProperty("asilMetin", r->text());
        const bool bu = kod != 0 && r->property("kod").toInt() == kod;
        r->setText(r->property("asilMetin").toString() +
                   (bu ? tr(" (bu ülkenin yöntemi)") : QString()));
        QFont yazi = r->font();
        yazi.setBold(bu);
        r->setFont(yazi);
        if (bu)
            onerilen = r;
    }
    const bool baskasi =
        ipucu && onerilen && (!ayarVar || ayar.ozelHesapYontem || ayar.hesapYontemi != kod);
    // The country's own Hijri calendar is marked the same way, and never chosen unasked.
    const int takvim = kod == 8 ? 1 : kod == 9 ? 2 : 0;
    hicriTakvimleriniYaz(takvim);
    const bool baskaTakvim = ipucu && takvim != 0 && ayar.hicriTakvim != takvim;
    QStringList metin;
    if (baskasi)
        metin << tr("Bu ülkenin kendi yöntemi var: %1. Hesaplama Yöntemi sayfasında "
                    "seçebilirsiniz.")
                     .arg(onerilen->property("asilMetin").toString().trimmed());
    if (baskaTakvim)
        metin << tr("Bu ülkenin Hicri takvimi: %1. Genel sayfasında seçebilirsiniz.")
                     .arg(hicriTakvimAdi(takvim));
    ui->UlkeYontemiLabel->setText(metin.join(QLatin1Char(' ')));
    ui->UlkeYontemiLabel->setVisible(baskasi || baskaTakvim);
}

QString secenekler::hicriTakvimAdi(int takvim)
{
    switch (takvim) {
    case 1:
        return tr("Diyanet (Birleşik Hicri Takvim)");
    case 2:
        return tr("Ümmü'l-Kurâ (Suudi Arabistan)");
    default:
        return tr("Hesap takvimi (30 yıllık devir)");
    }
}

// The three calendars, the country's own marked "(bu ülkenin takvimi)"; the choice stays.
void secenekler::hicriTakvimleriniYaz(int ulkeninTakvimi)
{
    QComboBox *kutu = ui->HicriTakvimComboBox;
    const int secili = kutu->currentIndex();
    while (kutu->count() < ravla::kHijriCalendarCount)
        kutu->addItem(QString());
    for (int i = 0; i < ravla::kHijriCalendarCount; ++i)
        kutu->setItemText(i, hicriTakvimAdi(i) + (i == ulkeninTakvimi && i != 0
                                                      ? tr(" (bu ülkenin takvimi)")
                                                      : QString()));
    kutu->setCurrentIndex(secili >= 0 ? secili : 0);
}

void secenekler::SehirListesiniOku(const QString &ulke)
{
    const std::optional<QStringList> satirlar =
        SehirVeritabani::sehirSatirlari(SehirVeritabani::klasor(), ulke);
    sehirSatirlari.clear();
    ui->SehirlistWidget->clear();
    if (!satirlar) {
        QMessageBox::critical(this, tr("Hata"), tr("Koordinat verileri bulunamadı"),
                              QMessageBox::Ok);
        return;
    }
    QStringList adlar;
    adlar.reserve(satirlar->size());
    for (const QString &satir : *satirlar)
        adlar << SehirAdiniAyikla(satir).trimmed();
    sehirSatirlari = *satirlar;
    ui->SehirlistWidget->addItems(adlar);
}

QString secenekler::SehirAdiniAyikla(const QString &satir)
{
    return SehirVeritabani::sehirAdiniAyikla(satir);
}

void secenekler::SehirlistWidgetTiklandi()
{
    const QList<QListWidgetItem *> secili = ui->SehirlistWidget->selectedItems();
    const int satir = ui->SehirlistWidget->currentRow();
    if (ui->SehirlistWidget->count() == 0 || secili.isEmpty() || satir < 0 ||
        satir >= sehirSatirlari.size())
        return;
    secilenSatir = sehirSatirlari.at(satir);
    secilenSehir = secili.first()->text();
    KoordinatlariAyikla();
    ui->TamamButton->setEnabled(sehirSecildi);
}

void secenekler::KoordinatlariAyikla()
{
    const SehirVeritabani::Koordinat k = SehirVeritabani::koordinatlariAyikla(secilenSatir);
    ui->enlemlabel->setText(k.enlemMetni);
    ui->boylamlabel->setText(k.boylamMetni);
    ui->gmtlabel->setText(k.gmtMetni);
    listeEnlem = k.enlem;
    listeBoylam = k.boylam;
    listeGmt = k.gmt;
    listeSaatDilimi = k.saatDilimi;
    // A line that does not give a real place cannot be chosen; the page says why.
    ui->SehirHataLabel->setText(k.hata);
    ui->SehirHataLabel->setVisible(!k.hata.isEmpty());
    sehirSecildi = k.hata.isEmpty();
}

void secenekler::UygulaBtnTiklandi()
{
    if (sehirSecildi && ayarVar) {
        sayfaTamam(0);
        return;
    }
    close();
}

bool secenekler::listedenSehirAl()
{
    ayar.enlem = listeEnlem;
    ayar.boylam = listeBoylam;
    ayar.gmt = listeGmt;
    ayar.ulkeAdi = secilenUlke;
    ayar.sehirAdi = secilenSehir;
    ayar.yazSaatiOtomatik = true;
    ayar.saatDilimi = listeSaatDilimi;
    return true;
}

// A page's Tamam confirms as well what was chosen and left unconfirmed on the other pages (a
// place picked on page 1 before the method was chosen on page 3), the confirmed page last. A
// page that refuses its input keeps everything as it was.
void secenekler::sayfaTamam(int sayfa)
{
    if (!ayarVar)
        return;
    const AyarDegerleri once = ayar;
    for (int s = 0; s < 4; ++s) {
        if (s == sayfa || !bekleyenSecim(s))
            continue;
        if (!sayfayiAl(s)) {
            ayar = once;
            ui->tabWidget->setCurrentIndex(s); // where the refused input is
            return;
        }
    }
    if (!sayfayiAl(sayfa)) {
        ayar = once;
        return;
    }
    kaydetVeKapat();
}

// The list page holds a choice once a place is picked; the others once their boxes changed.
bool secenekler::bekleyenSecim(int sayfa) const
{
    return sayfa == 0 ? sehirSecildi : sayfaDurumu(sayfa) != gosterilenSayfalar.value(sayfa);
}

bool secenekler::sayfayiAl(int sayfa)
{
    switch (sayfa) {
    case 0:
        return listedenSehirAl();
    case 1:
        return ozelSehirAl();
    case 2:
        return yontemAl();
    default:
        return genelAyarlariAl();
    }
}

// What a page's boxes hold: a page whose boxes changed since it was shown holds a choice.
QStringList secenekler::sayfaDurumu(int sayfa) const
{
    QStringList d;
    for (const QWidget *w : ui->tabWidget->widget(sayfa)->findChildren<QWidget *>()) {
        QString deger;
        if (const auto *k = qobject_cast<const QLineEdit *>(w))
            deger = k->text();
        else if (const auto *k = qobject_cast<const QComboBox *>(w))
            deger = QString::number(k->currentIndex());
        else if (const auto *k = qobject_cast<const QAbstractSpinBox *>(w))
            deger = k->text();
        else if (const auto *k = qobject_cast<const QAbstractButton *>(w); k && k->isCheckable())
            deger = QString::number(k->isChecked());
        else
            continue;
        d << w->objectName() + QLatin1Char('=') + deger;
    }
    return d;
}

void secenekler::OzelSehirTamamBtnTiklandi()
{
    sayfaTamam(1);
}

bool secenekler::ozelSehirAl()
{
    for (const QLineEdit *kutu : {ui->OzelSehirlineEdit, ui->OzelUlkelineEdit,
                                  ui->OzelEnlemlineEdit, ui->OzelBoylamlineEdit}) {
        if (kutu->text().isEmpty()) {
            uyar(tr("Boş geçtiniz"));
            return false;
        }
    }
    const std::optional<double> enlem = sayiOku(ui->OzelEnlemlineEdit->text());
    if (!enlem || std::fabs(*enlem) > 90) {
        uyar(tr("Enlem -90 ile 90 arasında olmalı: %1").arg(ui->OzelEnlemlineEdit->text()));
        return false;
    }
    const std::optional<double> boylam = sayiOku(ui->OzelBoylamlineEdit->text());
    if (!boylam || std::fabs(*boylam) > 180) {
        uyar(tr("Boylam -180 ile 180 arasında olmalı: %1").arg(ui->OzelBoylamlineEdit->text()));
        return false;
    }
    ayar.enlem = *enlem;
    ayar.boylam = *boylam;
    ayar.gmt = ui->OzelGmtComboBox->currentData().toDouble();
    ayar.ulkeAdi = ui->OzelUlkelineEdit->text();
    ayar.sehirAdi = ui->OzelSehirlineEdit->text();
    ayar.saatDilimi.clear();
    tarihleriYaz(ozelTarih);
    // With "Otomotik" the zone of the nearest listed place brings its real clock changes; the
    // European rule would put a Turkish place an hour late all summer.
    if (const auto dilim = ozelSaatDilimi())
        ayar.saatDilimi = dilim->saatDilimi;
    return true;
}

std::optional<SehirVeritabani::YakinSaatDilimi> secenekler::ozelSaatDilimi() const
{
    const std::optional<double> enlem = sayiOku(ui->OzelEnlemlineEdit->text());
    const std::optional<double> boylam = sayiOku(ui->OzelBoylamlineEdit->text());
    if (!ui->OzelGunIsikOtoRadioButton->isChecked() || !enlem || !boylam ||
        std::fabs(*enlem) > 90 || std::fabs(*boylam) > 180)
        return std::nullopt;
    return SehirVeritabani::enYakinSaatDilimi(SehirVeritabani::klasor(), *enlem, *boylam,
                                              ui->OzelGmtComboBox->currentData().toDouble(),
                                              Saat::simdi().date().year());
}

// Says, as the place is typed, whose clock changes "Otomotik" will follow.
void secenekler::ozelSaatDiliminiGoster()
{
    // The first search reads the whole database: not before the page is looked at.
    if (ui->tabWidget->currentWidget() != ui->OzelSehirSayfasi)
        return;
    const bool oto = ui->OzelGunIsikOtoRadioButton->isChecked();
    const bool konum =
        sayiOku(ui->OzelEnlemlineEdit->text()) && sayiOku(ui->OzelBoylamlineEdit->text());
    ui->OzelSaatDilimiLabel->setVisible(oto && konum);
    if (!oto || !konum)
        return;
    const auto dilim = ozelSaatDilimi();
    const int yil = Saat::simdi().date().year();
    ui->OzelSaatDilimiLabel->setText(
        !dilim ? tr("Yakında bu saat dilimini kullanan bir yer yok: yaz saati Avrupa kuralıyla "
                    "uygulanır.")
        : SaatDilimi::yazSaatiVar(dilim->saatDilimi, yil)
            ? tr("%1: yaz saati var").arg(dilim->saatDilimi)
            : tr("%1: yaz saati yok").arg(dilim->saatDilimi));
}

void secenekler::sayiGirisKontrol(QLineEdit *kutu, const QString &metin)
{
    // Digits, a minus and ',' as the decimal point; a '.' typed becomes ','.
    QString kalan;
    int imlec = kutu->cursorPosition();
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const QChar c = metin.at(i);
        if (c.isDigit() || c == u'-' || c == u',')
            kalan += c;
        else if (c == u'.')
            kalan += u',';
        else if (i < imlec)
            --imlec;
    }
    if (kalan == metin)
        return;
    kutu->setText(kalan);
    kutu->setCursorPosition(kalan.isEmpty() ? 0 : std::clamp(imlec, 0, int(kalan.size())));
}

void secenekler::OzelEnlemlineEditSayiGirisKontrol(const QString &metin)
{
    sayiGirisKontrol(ui->OzelEnlemlineEdit, metin);
}

void secenekler::OzelBoylamlineEditSayiGirisKontrol(const QString &metin)
{
    sayiGirisKontrol(ui->OzelBoylamlineEdit, metin);
}

void secenekler::GunIsigiSecimiDegisti()
{
    const bool ozel =
        sender() == ui->OzelGunIsikRadioButton || sender() == ui->OzelGunIsikOtoRadioButton;
    const TarihKutulari &k = ozel ? ozelTarih : genelTarih;
    tarihKutulariEtkin(k, k.elle->isChecked());
}

void secenekler::YontemTamamBtnTiklandi()
{
    sayfaTamam(2);
}

bool secenekler::yontemAl()
{
    // Everything is checked before anything changes: a refused page leaves the method in force.
    if (ui->HesapOzelYontemRadioButton->isChecked()) {
        const QString fecir = ui->OzeFecirLineEdit->text().trimmed();
        const QString yatsi = ui->OzeYatsiLineEdit->text().trimmed();
        if (fecir.isEmpty() || yatsi.isEmpty()) {
            uyar(tr("Boş geçtiniz"));
            return false;
        }
        const std::optional<double> sabahAci = aciOku(fecir);
        const std::optional<double> yatsiAci = aciOku(yatsi);
        for (const auto &[aci, metin] : {std::pair{sabahAci, fecir}, std::pair{yatsiAci, yatsi}}) {
            if (!aci || *aci < 0 || *aci > 90) {
                uyar(tr("Açı 0 ile 90 arasında olmalı: %1").arg(metin));
                return false;
            }
        }
        ayar.ozelHesapYontem = true;
        ayar.sabahAci = *sabahAci;
        ayar.yatsiAci = *yatsiAci;
    } else {
        ayar.ozelHesapYontem = false;
        for (QRadioButton *r : yontemDugmeleri())
            if (r->isChecked())
                ayar.hesapYontemi = r->property("kod").toInt();
    }
    for (int i = 0; i < 7; ++i)
        ayar.dakikalar[i] = dakikaKutulari()[i]->value();
    ayar.yuksekEnlemKurali = ui->YuksekEnlemComboBox->currentIndex();
    if (ui->ikindi3MezhepRadioButton->isChecked())
        ayar.hanefiMezhep = false;
    else if (ui->ikindiHanefiRadioButton->isChecked())
        ayar.hanefiMezhep = true;
    return true;
}

void secenekler::OzelYontemTUMRadioButtonlarTiklandi()
{
    const bool ozel = ui->HesapOzelYontemRadioButton->isChecked();
    ui->OzeFecirLineEdit->setEnabled(ozel);
    ui->OzeYatsiLineEdit->setEnabled(ozel);
    if (ozel)
        ui->OzeFecirLineEdit->setFocus();
    (ui->HesapKaraciHanefiRadioButton->isChecked() ? ui->ikindiHanefiRadioButton
                                                   : ui->ikindi3MezhepRadioButton)
        ->setChecked(true);
}

void secenekler::GenelAyarTamamBtnTiklandi()
{
    sayfaTamam(3);
}

bool secenekler::genelAyarlariAl()
{
    // The zone's own rules give way only to a time zone or daylight saving set here by hand;
    // confirming this page for a reminder keeps them.
    const AyarDegerleri once = ayar;
    ayar.gmt = ui->GenelAyrCmb->currentData().toDouble();
    tarihleriYaz(genelTarih);
    const bool elle =
        ayar.gmt != once.gmt || ayar.yazSaatiOtomatik != once.yazSaatiOtomatik ||
        (!ayar.yazSaatiOtomatik &&
         (ayar.yazGunBasla != once.yazGunBasla || ayar.yazAyBasla != once.yazAyBasla ||
          ayar.yazYilBasla != once.yazYilBasla || ayar.yazGunBitis != once.yazGunBitis ||
          ayar.yazAyBitis != once.yazAyBitis || ayar.yazYilBitis != once.yazYilBitis));
    if (elle)
        ayar.saatDilimi.clear();
    ayar.hicriDuzeltme = ui->HicriDuzeltmeSpinBox->value();
    if (ui->HicriTakvimComboBox->currentIndex() >= 0)
        ayar.hicriTakvim = ui->HicriTakvimComboBox->currentIndex();
    for (int i = 0; i < 6; ++i) {
        const int dakika = hatirlatmaKutulari()[i]->value();
        ayar.hatirlat[i] = dakika >= 5 ? dakika : 0;
    }
    ayar.hatirlatmaSesi = ui->HatirlatmaSesiCheckBox->isChecked();
    ayar.bildirimSekli = ui->BildirimSekliComboBox->currentIndex();
    if (ui->OtomatikBaslatCheckBox->isChecked() != OtomatikBaslat::etkinMi() &&
        !OtomatikBaslat::ayarla(ui->OtomatikBaslatCheckBox->isChecked()))
        uyar(tr("Oturum açılınca başlatma ayarlanamadı"));
    return true;
}

namespace {

// Hides the rows whose text does not hold the filter, ignoring case and accents.
void suz(QListWidget *liste, const QString &metin)
{
    const QString aranan = SehirVeritabani::aramaAnahtari(metin);
    for (int i = 0; i < liste->count(); ++i) {
        QListWidgetItem *satir = liste->item(i);
        QVariant anahtar = satir->data(Qt::UserRole);
        if (!anahtar.isValid()) {
            anahtar = SehirVeritabani::aramaAnahtari(satir->text());
            satir->setData(Qt::UserRole, anahtar);
        }
        satir->setHidden(!anahtar.toString().contains(aranan));
    }
}

} // namespace

void secenekler::UlkeFiltreDegisti(const QString &metin)
{
    suz(ui->UlkelistWidget, metin);
}

void secenekler::SehirFiltreDegisti(const QString &metin)
{
    suz(ui->SehirlistWidget, metin);
}
