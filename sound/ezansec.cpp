#include "ezansec.h"
#include "tamkayit.h"

#include "ui_ezansec.h"

#include "programklasoru.h"
#include "resimler.h"
#include "sesarac.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QSet>
#include <QSignalBlocker>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QStringList &varsayilanlar()
{
    static const QStringList v = {QStringLiteral("Fecir.ogg"), QStringLiteral("Aksa.ogg"),
                                  QStringLiteral("Aksa.ogg"), QStringLiteral("Aksa.ogg"),
                                  QStringLiteral("Aksa.ogg")};
    return v;
}

// Five names take a few hundred bytes. A damaged or foreign file (10 MB of one line, say) is
// read no further than this.
constexpr qint64 kOkumaSiniri = 64 * 1024;

QStringList satirlariOku(QFile &f)
{
    const QByteArray bas = f.read(kOkumaSiniri);
    return EzanKlasorleri::ayarSatirlari(bas, f.atEnd());
}

// Replaces the file as a whole: a crash or a full disk in the middle leaves the previous one.
bool yaz(const QString &dosya, const QStringList &satirlar)
{
    QDir().mkpath(QFileInfo(dosya).absolutePath());
    QSaveFile f(dosya);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QByteArray veri;
    for (const QString &s : satirlar)
        veri += s.toUtf8() + '\n';
    return tamKaydet(f, veri);
}

QIcon simge(const QString &yol)
{
    QIcon i;
    i.addPixmap(QPixmap(yol), QIcon::Normal, QIcon::Off);
    return i;
}

// The items after the recordings of every list.
const QString kEkle = QStringLiteral("ekle");
const QString kIndir = QStringLiteral("indir");

constexpr qint64 kEnBuyukBoy = 50LL << 20;
constexpr double kEnKisaSaniye = 10;

bool adSirasi(const QString &a, const QString &b)
{
    const int r = QString::compare(a, b, Qt::CaseInsensitive);
    return r != 0 ? r < 0 : a < b;
}

} // namespace

EzanSec::EzanSec(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::EzanSecClass>()), klasorler(EzanKlasorleri::bul())
{
    resimleriYukle();
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    setFixedSize(size());

    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        const QRect masaustu = ekran->geometry();
        move((masaustu.width() - width()) / 2, (masaustu.height() - height()) / 2);
    }

    ses = std::make_unique<SesArac>();

    connect(ui->KaydetPushButton, &QPushButton::clicked, this, &EzanSec::KaydetSlot);
    connect(ui->SabahOkuToolButton, &QToolButton::clicked, this, &EzanSec::TestSabahOkuToolButton);
    connect(ui->OgleOkuToolButton, &QToolButton::clicked, this, &EzanSec::TestOgleOkuToolButton);
    connect(ui->IkindiOkuToolButton, &QToolButton::clicked, this,
            &EzanSec::TestIkindiOkuToolButton);
    connect(ui->AksamOkuToolButton, &QToolButton::clicked, this, &EzanSec::TestAksamOkuToolButton);
    connect(ui->YatsiOkuToolButton, &QToolButton::clicked, this, &EzanSec::TestYatsiOkuToolButton);
    connect(ui->IptalPushButton, &QPushButton::clicked, this, &EzanSec::IptalSlot);
    connect(ui->SilPushButton, &QPushButton::clicked, this, &EzanSec::SilSlot);
    for (int vakit = 1; vakit <= 5; ++vakit) {
        connect(kutu(vakit), &QComboBox::activated, this,
                [this, vakit](int sira) { listeSecildi(vakit, sira); });
        connect(kutu(vakit), &QComboBox::currentIndexChanged, this, [this, vakit](int sira) {
            if (kutu(vakit)->itemData(sira).isNull())
                oncekiSira[vakit - 1] = sira;
            if (vakit == sonVakit)
                silDugmesiniAyarla();
        });
    }
    indirici = new EzanIndirici(this);

    // Where the program's folder cannot be written, the user's own folder is where recordings
    // go: it is there from the first start on.
    if (klasorler.kullaniciKlasoru)
        QDir().mkpath(klasorler.ezanKlasorleri.first());

    EzanDosyalariniListele();
    EzanAyariniOku();
    testCaliyor = false;
    silDugmesiniAyarla();
}

// A download still running stops with its helper; its end is no longer told.
EzanSec::~EzanSec()
{
    indirici->disconnect(this);
}

QComboBox *EzanSec::kutu(int vakit) const
{
    QComboBox *const kutular[5] = {ui->SabahComboBox, ui->OgleComboBox, ui->IkindiComboBox,
                                   ui->AksamComboBox, ui->YatsiComboBox};
    return kutular[vakit - 1];
}

QString EzanSec::ezanDosyasi(int vakit) const
{
    return vakit >= 1 && vakit <= 5 ? ezanDosyalari[vakit - 1] : QString();
}

void EzanSec::EzanCal(int vakit, int duzey, std::function<void()> calinamadi)
{
    const QString ad =
        vakit >= 1 && vakit <= 5 ? ezanDosyalari[vakit - 1] : QStringLiteral("Mekke.ogg");
    // A recording gone, empty, cut or not audio must not leave a prayer time silent: the shipped
    // Mekke.ogg stands in for it (not a copy of the user's of that name), then the reminder's
    // tone.
    const QString secilen = klasorler.dosyaYolu(ad);
    const QString mekke = klasorler.ezanKlasorleri.isEmpty()
                              ? QString()
                              : klasorler.ezanKlasorleri.last() + QStringLiteral("/Mekke.ogg");
    QStringList yollar{secilen};
    if (mekke != secilen)
        yollar << mekke;
    yollar << ProgramKlasoru::yol() + QStringLiteral("/sesler/Hatirlatma.ogg");
    ses->SiraylaCal(yollar, duzey, [calinamadi = std::move(calinamadi)](int calan) {
        if (calan != 0 && calinamadi)
            calinamadi();
    });
}

void EzanSec::EzanDur()
{
    ses->Dur();
}

void EzanSec::EzanDosyalariniListele()
{
    // The user's file and the program's of the same name are one entry: the user's plays.
    QStringList adlar;
    QSet<QString> gorulen;
    for (const QString &klasor : std::as_const(klasorler.ezanKlasorleri)) {
        const QStringList liste =
            QDir(klasor).entryList({QStringLiteral("*")}, QDir::Files | QDir::NoSymLinks);
        for (const QString &ad : liste) {
            // A name with a line break could not be saved in ayarlar.dat, nor played. A .txt
            // beside a recording says where it comes from.
            if (!EzanKlasorleri::yalinAdMi(ad) || gorulen.contains(ad) ||
                ad.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
                continue;
            gorulen.insert(ad);
            adlar << ad;
        }
    }
    std::sort(adlar.begin(), adlar.end(), adSirasi);
    for (int vakit = 1; vakit <= 5; ++vakit) {
        QComboBox *k = kutu(vakit);
        // Listed again after a change: each list keeps its choice where it is still there.
        const bool secimVar = k->count() > 0 && k->itemData(k->currentIndex()).isNull();
        const QString secili = secimVar ? k->currentText() : QString();
        const QSignalBlocker sessiz(k);
        k->clear();
        k->addItems(adlar);
        k->insertSeparator(k->count());
        k->addItem(tr("Ekle..."), kEkle);
        k->addItem(tr("İndir..."), kIndir);
        const int sira =
            secimVar ? k->findText(secili, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
        k->setCurrentIndex(sira < adlar.size() ? sira : -1);
        oncekiSira[vakit - 1] = k->currentIndex();
    }
    ui->IlkLabel->setVisible(std::none_of(
        adlar.begin(), adlar.end(), [this](const QString &ad) { return klasorler.gercekMi(ad); }));
    silDugmesiniAyarla();
}

void EzanSec::EzanAyariniOku()
{
    // Reading never writes: the lines found keep their prayers, the ones missing (a short, empty
    // or damaged file, or none) take the default here alone. Only a save writes the file.
    QStringList satirlar;
    // A directory or a FIFO in its place would fail or block the start.
    if (QFileInfo(klasorler.ayarDosyasi).isFile()) {
        QFile f(klasorler.ayarDosyasi);
        if (f.open(QIODevice::ReadOnly))
            satirlar = satirlariOku(f);
    }
    for (int vakit = 1; vakit <= 5; ++vakit) {
        const QString ad = satirlar.value(vakit - 1, varsayilanlar().at(vakit - 1));
        const int sira = kutu(vakit)->findText(ad, Qt::MatchExactly | Qt::MatchCaseSensitive);
        kutu(vakit)->setCurrentIndex(kutu(vakit)->itemData(sira).isNull() ? sira : -1);
        ezanDosyalari[vakit - 1] = ad;
    }
}

void EzanSec::KaydetSlot()
{
    QStringList secilen;
    for (int vakit = 1; vakit <= 5; ++vakit) {
        const QComboBox *k = kutu(vakit);
        secilen << (k->itemData(k->currentIndex()).isNull() ? k->currentText() : QString());
    }
    if (!yaz(klasorler.ayarDosyasi, secilen)) {
        // Over the chooser, which stays on top of every other window.
        QMessageBox::warning(this, tr("Hata"), tr("Ezan seçimi kaydedilemedi."), QMessageBox::Ok);
        return;
    }
    for (int i = 0; i < 5; ++i)
        ezanDosyalari[i] = secilen.at(i);
    close();
}

void EzanSec::testCal(QToolButton *dugme, const QComboBox *kutu)
{
    // While a test plays, any test button only stops it.
    if (testCaliyor) {
        TestDugmeleriniSifirla();
        return;
    }
    dugme->setIcon(simge(QStringLiteral(":/iconlar/resim/dur.png")));
    ses->Cal(kutu->currentText(), 50);
    testCaliyor = true;
}

void EzanSec::TestSabahOkuToolButton()
{
    testCal(ui->SabahOkuToolButton, ui->SabahComboBox);
}

void EzanSec::TestOgleOkuToolButton()
{
    testCal(ui->OgleOkuToolButton, ui->OgleComboBox);
}

void EzanSec::TestIkindiOkuToolButton()
{
    testCal(ui->IkindiOkuToolButton, ui->IkindiComboBox);
}

void EzanSec::TestAksamOkuToolButton()
{
    testCal(ui->AksamOkuToolButton, ui->AksamComboBox);
}

void EzanSec::TestYatsiOkuToolButton()
{
    testCal(ui->YatsiOkuToolButton, ui->YatsiComboBox);
}

void EzanSec::TestDugmeleriniSifirla()
{
    const QIcon cal = simge(QStringLiteral(":/iconlar/resim/cal.png"));
    for (QToolButton *d : {ui->SabahOkuToolButton, ui->OgleOkuToolButton, ui->IkindiOkuToolButton,
                           ui->AksamOkuToolButton, ui->YatsiOkuToolButton})
        d->setIcon(cal);
    if (testCaliyor) {
        testCaliyor = false;
        ses->Dur();
    }
}

void EzanSec::IptalSlot()
{
    TestDugmeleriniSifirla();
    close();
}

void EzanSec::listeSecildi(int vakit, int sira)
{
    sonVakit = vakit;
    QComboBox *k = kutu(vakit);
    const QString ne = k->itemData(sira).toString();
    if (ne.isEmpty())
        return silDugmesiniAyarla();
    // Ekle... and İndir... are actions, not choices: the list shows its recording again.
    k->setCurrentIndex(oncekiSira[vakit - 1]);
    silDugmesiniAyarla();
    if (ne == kEkle) {
        const QString dosya = QFileDialog::getOpenFileName(
            this, tr("Ezan kaydı ekle"), QDir::homePath(),
            tr("Ses dosyaları (*.ogg *.oga *.opus *.mp3 *.flac *.wav);;Tüm dosyalar (*)"));
        if (!dosya.isEmpty())
            dosyaEkle(dosya, vakit);
    } else if (ne == kIndir) {
        indirmePenceresi(vakit);
    }
}

void EzanSec::silDugmesiniAyarla()
{
    const QComboBox *k = kutu(sonVakit);
    const bool kayit = k->currentIndex() >= 0 && k->itemData(k->currentIndex()).isNull();
    const QString ad = kayit ? k->currentText() : QString();
    ui->SilPushButton->setEnabled(kayit && klasorler.kullanicininMi(ad));
    ui->SilPushButton->setToolTip(ui->SilPushButton->isEnabled()
                                      ? tr("%1 kaydını ezan klasöründen siler").arg(ad)
                                      : tr("Yalnızca sizin eklediğiniz kayıtlar silinebilir"));
}

void EzanSec::uyar(const QString &baslik, const QString &metin)
{
    // Over the chooser, which stays on top of every other window.
    QMessageBox::warning(this, baslik, metin, QMessageBox::Ok);
}

void EzanSec::secVeGoster(int vakit, const QString &ad)
{
    EzanDosyalariniListele();
    if (vakit >= 1 && vakit <= 5) {
        sonVakit = vakit;
        kutu(vakit)->setCurrentIndex(
            kutu(vakit)->findText(ad, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    silDugmesiniAyarla();
}

bool EzanSec::dosyaEkle(const QString &kaynak, int vakit)
{
    const QFileInfo bilgi(kaynak);
    const QString ad = bilgi.fileName();
    const auto reddet = [this, &ad](const QString &neden) {
        uyar(tr("Ezan eklenemedi"), tr("%1: %2.").arg(ad, neden));
        return false;
    };
    if (!bilgi.isFile() || !bilgi.isReadable())
        return reddet(tr("dosya okunamadı"));
    // Before it is opened: a file of gigabytes is not decoded to learn that it is too big.
    if (bilgi.size() >= kEnBuyukBoy)
        return reddet(tr("dosya çok büyük (%1 MB; en çok 50 MB)").arg(bilgi.size() >> 20));
    if (!EzanKlasorleri::yalinAdMi(ad) || ad.startsWith(QLatin1Char('.')) ||
        ad.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return reddet(tr("bu dosya adı kullanılamaz"));
    setEnabled(false);
    const double saniye = ses->sure(kaynak);
    setEnabled(true);
    if (saniye == SesArac::kCihazYok)
        return reddet(tr("ses çıkışı açılamadığından dosya denetlenemedi"));
    if (!(saniye >= 0))
        return reddet(tr("ses dosyası çözülemedi"));
    if (saniye < kEnKisaSaniye)
        return reddet(tr("kayıt çok kısa (%1 saniye; en az 10 saniye)").arg(qRound(saniye)));

    const QString klasor = klasorler.eklemeKlasoru();
    const QString hedef = klasor + QLatin1Char('/') + ad;
    if (QFileInfo(hedef).exists()) {
        if (QFileInfo(hedef).canonicalFilePath() == bilgi.canonicalFilePath()) {
            secVeGoster(vakit, ad); // already there
            return true;
        }
        if (QMessageBox::question(this, tr("Ezan ekle"),
                                  tr("Ezan klasöründe %1 adlı bir kayıt zaten var. Yenisiyle "
                                     "değiştirilsin mi?")
                                      .arg(ad),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    // Copied whole or not at all; the text beside an older file of that name is not about this one.
    QFile girdi(kaynak);
    QDir().mkpath(klasor);
    QSaveFile cikti(hedef);
    if (!girdi.open(QIODevice::ReadOnly) || !cikti.open(QIODevice::WriteOnly) ||
        !tamKaydet(cikti, girdi.readAll()))
        return reddet(tr("ezan klasörüne kopyalanamadı"));
    QFile::remove(hedef + QStringLiteral(".txt"));
    secVeGoster(vakit, ad);
    return true;
}

bool EzanSec::kaydiSil(const QString &ad)
{
    if (!klasorler.kullanicininMi(ad))
        return false;
    const QString yol = klasorler.eklemeKlasoru() + QLatin1Char('/') + ad;
    if (testCaliyor)
        TestDugmeleriniSifirla();
    if (!QFile::remove(yol)) {
        uyar(tr("Hata"), tr("%1 silinemedi.").arg(ad));
        return false;
    }
    QFile::remove(yol + QStringLiteral(".txt"));
    // A prayer that had it plays what a missing recording gives way to, until another is chosen.
    EzanDosyalariniListele();
    return true;
}

void EzanSec::SilSlot()
{
    const QString ad = kutu(sonVakit)->currentText();
    if (!klasorler.kullanicininMi(ad))
        return;
    if (QMessageBox::question(this, tr("Ezan sil"), tr("%1 ezan klasöründen silinsin mi?").arg(ad),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes)
        kaydiSil(ad);
}

QList<EzanKaynagi> EzanSec::indirilebilenler() const
{
    return ezanKaynaklariniOku(ProgramKlasoru::yol() + QStringLiteral("/ezan-kaynaklari.json"));
}

bool EzanSec::indiriliyorMu() const
{
    return indirici->calisiyorMu();
}

QString EzanSec::indirmeHatasi(int sonuc)
{
    switch (sonuc) {
    case EzanIndirici::AgHatasi:
        return tr("sunucuya bağlanılamadı ya da sunucu dosyayı vermedi");
    case EzanIndirici::ZamanAsimi:
        return tr("sunucu yanıt vermedi (zaman aşımı)");
    case EzanIndirici::Guvensiz:
        return tr("güvenli olmayan (HTTPS olmayan) bir adrese yönlendirildi");
    case EzanIndirici::Boyut:
        return tr("indirme yarıda kesildi ya da boyutu listedekinden farklı");
    case EzanIndirici::Ozet:
        return tr("dosyanın SHA-256 özeti listedekiyle uyuşmuyor");
    case EzanIndirici::Yazilamadi:
        return tr("dosya ezan klasörüne kaydedilemedi");
    default:
        return tr("indirme yarıda kaldı");
    }
}

void EzanSec::indir(const EzanKaynagi &kaynak, int vakit)
{
    if (indirici->calisiyorMu())
        return;
    const QString ad = kaynak.dosyaAdi;
    if (!EzanKlasorleri::yalinAdMi(ad) || ad.startsWith(QLatin1Char('.'))) {
        uyar(tr("İndirilemedi"), tr("%1: %2.").arg(ad, tr("bu dosya adı kullanılamaz")));
        return;
    }
    const QString klasor = klasorler.eklemeKlasoru();
    const QString hedef = klasor + QLatin1Char('/') + ad;
    bool uzerine = false;
    if (QFileInfo::exists(hedef)) {
        if (QMessageBox::question(this, tr("Ezan indir"),
                                  tr("Ezan klasöründe %1 adlı bir kayıt zaten var. Yenisiyle "
                                     "değiştirilsin mi?")
                                      .arg(ad),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes) {
            if (indirPenceresi)
                indirPenceresi->indirmeBitti();
            return;
        }
        uzerine = true;
    }
    QDir().mkpath(klasor);
    indirici->disconnect(this);
    connect(indirici, &EzanIndirici::ilerleme, this, [this](qint64 alinan, qint64 toplam) {
        if (indirPenceresi)
            indirPenceresi->ilerle(alinan, toplam);
    });
    connect(indirici, &EzanIndirici::bitti, this, [this, ad, vakit](int sonuc) {
        if (indirPenceresi)
            indirPenceresi->indirmeBitti();
        if (sonuc != EzanIndirici::Tamam) {
            uyar(tr("İndirilemedi"),
                 tr("%1: %2. Hiçbir dosya kaydedilmedi.").arg(ad, indirmeHatasi(sonuc)));
            return;
        }
        secVeGoster(vakit, ad);
        if (indirPenceresi)
            indirPenceresi->accept();
    });
    indirici->basla(kaynak, hedef, uzerine);
}

void EzanSec::indirmePenceresi(int vakit)
{
    const QList<EzanKaynagi> kaynaklar = indirilebilenler();
    if (kaynaklar.isEmpty()) {
        uyar(tr("İndirilemedi"), tr("İndirilebilecek kayıtların listesi okunamadı."));
        return;
    }
    auto *p = new EzanIndirPenceresi(kaynaklar, this);
    p->setAttribute(Qt::WA_DeleteOnClose);
    indirPenceresi = p;
    connect(p, &EzanIndirPenceresi::indir, this,
            [this, kaynaklar, vakit](int sira) { indir(kaynaklar.value(sira), vakit); });
    connect(p, &EzanIndirPenceresi::vazgec, indirici, &EzanIndirici::iptal);
    p->open();
}
