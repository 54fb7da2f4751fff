#include "ezansec.h"
#include "tamkayit.h"

#include "ui_ezansec.h"

#include "programklasoru.h"
#include "resimler.h"
#include "sesarac.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QScreen>
#include <QSet>
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

    // Where the program's folder cannot be written, the user's own folder is where recordings
    // go: it is there from the first start on.
    if (klasorler.kullaniciKlasoru)
        QDir().mkpath(klasorler.ezanKlasorleri.first());

    EzanDosyalariniListele();
    EzanAyariniOku();
    testCaliyor = false;
}

EzanSec::~EzanSec() = default;

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
            // A name with a line break could not be saved in ayarlar.dat, nor played.
            if (!EzanKlasorleri::yalinAdMi(ad) || gorulen.contains(ad))
                continue;
            gorulen.insert(ad);
            adlar << ad;
        }
    }
    std::sort(adlar.begin(), adlar.end(), adSirasi);
    for (int vakit = 1; vakit <= 5; ++vakit)
        kutu(vakit)->addItems(adlar);
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
        kutu(vakit)->setCurrentIndex(
            kutu(vakit)->findText(ad, Qt::MatchExactly | Qt::MatchCaseSensitive));
        ezanDosyalari[vakit - 1] = ad;
    }
}

void EzanSec::KaydetSlot()
{
    QStringList secilen;
    for (int vakit = 1; vakit <= 5; ++vakit)
        secilen << kutu(vakit)->currentText();
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
