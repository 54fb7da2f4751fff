#include "qravla.h"

#include "ui_qravla.h"

#include "aylikcizelge.h"
#include "dil.h"
#include "dinigunmetni.h"
#include "ezansec.h"
#include "kible.h"
#include "metinler.h"
#include "programklasoru.h"
#include "resimler.h"
#include "saat.h"
#include "sehirveritabani.h"
#include "sesarac.h"
#include "tepsi.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimeZone>
#include <QTimer>

namespace {

void yaz(QLabel *label, const QString &metin)
{
    if (label->text() != metin)
        label->setText(metin);
}

QString saatMetni(const ravla::PrayerTime &v)
{
    return QStringLiteral("%1:%2:00").arg(v.hour).arg(v.minute, 2, 10, QLatin1Char('0'));
}

QLocale arayuzYereli(int dilNo)
{
    switch (dilNo) {
    case 1:
        return QLocale(QLocale::Arabic, QLocale::Tunisia); // Arabic names with Latin digits
    case 2:
        return QLocale(QLocale::German, QLocale::Germany);
    case 3:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    default:
        return QLocale(QLocale::Turkish, QLocale::Turkey);
    }
}

// The window's pictures are set here rather than in the form: stored decoded, they show without
// a PNG decoded at start-up (see hazirResim).
QPixmap resim(const char *ad)
{
    return hazirResim(QLatin1String(ad));
}

// Windows and dialogs the start need not wait for: made when first asked for.
template <typename T> T &ilkKullanimda(std::unique_ptr<T> &p)
{
    if (!p)
        p = std::make_unique<T>();
    return *p;
}

// The window's pieces are placed by hand, and such places do not follow a right-to-left
// language by themselves: each takes the mirrored place in its parent. Layouts mirror their
// own; Qt's widgets keep what is inside them.
void aynala(QWidget *kap)
{
    for (QWidget *w : kap->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        if (!kap->layout()) {
            QRect yer = w->geometry();
            yer.moveLeft(kap->width() - yer.x() - yer.width());
            w->setGeometry(yer);
        }
        const QMetaObject *tur = w->metaObject();
        if (tur == &QWidget::staticMetaObject || tur == &QFrame::staticMetaObject ||
            tur == &QGroupBox::staticMetaObject)
            aynala(w);
    }
}

} // namespace

void QRavla::ResimleriKoy()
{
    ui->TabanZorvaLabel->setPixmap(resim("zorvalik"));
    ui->SolResimLabel->setPixmap(resim("sol"));
    ui->TepeResimLabel->setPixmap(resim("tepe"));
    camiResmi = resim("cami");
    camikResmi = resim("camik");
    ui->camilabel->setPixmap(camiResmi);
    ui->IsikLabel->setPixmap(resim("isik"));
    ui->OkuToolButton->setIcon(resim("cal"));
    ui->OkumaToolButton->setIcon(resim("dur"));
    ui->SesSec->setIcon(resim("ses"));
    ui->secenektoolButton->setIcon(resim("ayar"));
    ui->KabeAciToolButton->setIcon(resim("kabekucuk"));
    ui->AylikToolButton->setIcon(resim("takvim"));
    ui->BilgiToolButton->setIcon(resim("bilgi"));
    const char *const bayraklar[] = {"turk", "arap", "alman", "ingiliz"}; // the languages' order
    for (int i = 0; i < 4; ++i)
        ui->DilComboBox->setItemIcon(i, resim(bayraklar[i]));
}

QRavla::QRavla(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::QRavlaClass>())
{
    resimleriYukle();
    ui->setupUi(this);
    if (layoutDirection() == Qt::RightToLeft)
        aynala(this);
    setFixedSize(720, 440);

    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        const QRect masaustu = ekran->geometry();
        move((masaustu.width() - width()) / 2, (masaustu.height() - height()) / 2);
    }

    ui->lcdNumber->setSegmentStyle(QLCDNumber::Filled);
    saatZamanlayici = new QTimer(this);
    saatZamanlayici->setTimerType(Qt::PreciseTimer); // a late tick makes the colon stutter
    connect(saatZamanlayici, &QTimer::timeout, this, &QRavla::showTime);
    setWindowTitle(tr("Ravla Namaz Vakti"));

    akisZamanlayici = new QTimer(this);
    akisZamanlayici->setTimerType(Qt::PreciseTimer);
    connect(akisZamanlayici, &QTimer::timeout, this, &QRavla::ZamanAkimi);

    dilNo = Dil::dilNo();
    if (dilNo >= 0 && dilNo <= 3)
        ui->DilComboBox->setCurrentIndex(dilNo);

    gunluk = new GunlukVakitler(this);
    if (Ayarlar::kayitVar()) {
        gunluk->ayarla(Ayarlar().Oku());
    } else {
        ilkCalisma = ilkCalismaAyarlari(SehirVeritabani::klasor(),
                                        QString::fromUtf8(QTimeZone::systemTimeZoneId()),
                                        Saat::simdi().date().year());
        gunluk->ayarla(ilkCalisma->ayar);
    }
    connect(gunluk, &GunlukVakitler::vakitlerDegisti, this, &QRavla::vakitleriGoster);
    connect(gunluk, &GunlukVakitler::vakitGeldi, this, &QRavla::VakitGeldi);
    connect(gunluk, &GunlukVakitler::hatirlatmaGeldi, this, &QRavla::HatirlatmaGeldi);

    ResimleriKoy();
    tepsi = new Tepsi(dilNo, camiResmi, camikResmi, this);
    connect(tepsi, &Tepsi::aylikIstendi, this, &QRavla::AylikCizelgeGoster);
    connect(tepsi, &Tepsi::gizleIstendi, this, &QRavla::TrayGizle);
    connect(tepsi, &Tepsi::gosterIstendi, this, &QRavla::TrayGoster);
    connect(tepsi, &Tepsi::tiklandi, this, &QRavla::slotTrayTiklandi);
    connect(tepsi, &Tepsi::resimDegisti, ui->camilabel, &QLabel::setPixmap);

    connect(ui->OkuToolButton, &QToolButton::clicked, this, &QRavla::CalSlot);
    connect(ui->OkumaToolButton, &QToolButton::clicked, this, &QRavla::DurSlot);
    connect(ui->DilComboBox, &QComboBox::currentIndexChanged, this, &QRavla::DilComboBoxDegisSlot);

    // Without a tray there is no way back to a hidden window: it then stays on screen. On a
    // first run it stays too, beside the notice of the place it chose.
    if (tepsiVarMi() && !ilkCalisma) {
        gizlemeZamanlayici = new QTimer(this);
        connect(gizlemeZamanlayici, &QTimer::timeout, this, &QRavla::FormuGizleVeYokOl);
        gizlemeZamanlayici->start(1500);
    }

    connect(ui->SesSec, &QToolButton::clicked, this, &QRavla::SesSecSlot);
    connect(ui->KabeAciToolButton, &QToolButton::clicked, this, &QRavla::KabeAciSlot);
    connect(ui->SesSlider, &QSlider::valueChanged, this, &QRavla::SetDuzey);

    connect(ui->secenektoolButton, &QToolButton::clicked, this, &QRavla::SeceneklerFormuGoster);
    connect(ui->AylikToolButton, &QToolButton::clicked, this, &QRavla::AylikCizelgeGoster);
    connect(ui->BilgiToolButton, &QToolButton::clicked, this, &QRavla::BilgiToolButtonTiklandi);

    yaz(ui->Sehirlabel, yerAdi());
    ZamanAkimi();
    tikSayaci = 0;
    akisZamanlayici->start(1000);

    // What the first sight of the window need not wait for follows at once after it.
    QTimer::singleShot(0, this, &QRavla::BaslangiciTamamla);
}

void QRavla::BaslangiciTamamla()
{
    trayIkonu()->setVisible(true);
    ezanSecimi(); // makes the user's adhan folder where recordings go
    // The options dialog reads the country list when it is first opened; a list that is not
    // there is told at the start all the same.
    if (!SehirVeritabani::ulkeler(SehirVeritabani::klasor()))
        QMessageBox::critical(
            this, QCoreApplication::translate("secenekler", "Uyarı"),
            QCoreApplication::translate("secenekler", "Ülkeler listesi bulunamadı"),
            QMessageBox::Ok);
    if (ilkCalisma)
        ilkCalismaBildir();
}

void QRavla::ilkCalismaBildir()
{
    const AyarDegerleri &a = ilkCalisma->ayar;
    const QString ulke =
        SehirVeritabani::ulkeAdi(SehirVeritabani::klasor(), a.ulkeAdi, Dil::arayuzDili());
    const QString sehir = a.sehirAdi.section(QLatin1Char(','), 0, 0);
    const QString yontem =
        QCoreApplication::translate("seceneklerClass", ravla::methodName(a.hesapYontemi));
    QString metin;
    if (ilkCalisma->saatDiliminden) {
        metin = tr("Vakitler, bilgisayarın saat dilimine (%1) göre %2 - %3 için %4 yöntemiyle "
                   "hesaplanıyor.")
                    .arg(a.saatDilimi, sehir, ulke, yontem);
    } else {
        const QLocale yerel = arayuzYereli(dilNo);
        const QString konum =
            tr("%1° K, %2° D")
                .arg(yerel.toString(a.enlem, 'f', 2), yerel.toString(a.boylam, 'f', 2));
        metin = a.sehirAdi.isEmpty()
                    ? tr("Henüz bir yer seçilmedi: vakitler %1 için %2 yöntemiyle hesaplanıyor.")
                          .arg(konum, yontem)
                    : tr("Henüz bir yer seçilmedi: vakitler %1 (%2, %3 yakını) için %4 yöntemiyle "
                         "hesaplanıyor.")
                          .arg(konum, sehir, ulke, yontem);
    }
    auto *kutu = new QMessageBox(QMessageBox::Information, tr("İlk çalıştırma"), metin,
                                 QMessageBox::Ok, this);
    kutu->setObjectName(QStringLiteral("IlkCalismaBildirimi"));
    kutu->setInformativeText(tr("Kendi yerinizi şehir sayfasında seçebilirsiniz."));
    QPushButton *sehirSec = kutu->addButton(tr("Şehir seç..."), QMessageBox::ActionRole);
    kutu->setAttribute(Qt::WA_DeleteOnClose);
    connect(sehirSec, &QPushButton::clicked, this, [this] {
        SeceneklerFormuGoster();
        seceneklerFormu().sehirSayfasiniAc();
    });
    kutu->show(); // not modal: the window and the tray stay usable
}

EzanSec &QRavla::ezanSecimi()
{
    return ilkKullanimda(ezanSec);
}

kible &QRavla::kibleFormu()
{
    return ilkKullanimda(kibleDialogu);
}

std::function<bool()> QRavla::tepsiVarMi = &QSystemTrayIcon::isSystemTrayAvailable;

AniForm &QRavla::bildirim()
{
    return ilkKullanimda(aniForm);
}

EzanPopup &QRavla::ezanBildirimi()
{
    return ilkKullanimda(ezanPopup);
}

MasaustuBildirimi &QRavla::masaustuBildirimi()
{
    if (!masaustu) {
        masaustu =
            std::make_unique<MasaustuBildirimi>(hazirResim(QStringLiteral("ravla")).toImage());
        connect(masaustu.get(), &MasaustuBildirimi::durdurIstendi, this, &QRavla::DurSlot);
    }
    return *masaustu;
}

void QRavla::duyur(bool ezan, const QString &baslik, const QString &metin,
                   const QString &kayanMesaj)
{
    const QScreen *ekran = QGuiApplication::primaryScreen();
    const bool yerlesir = Bildirim::kayanYerlesir(QGuiApplication::platformName(),
                                                  ekran ? ekran->availableGeometry() : QRect());
    const Bildirim::Yol yol = Bildirim::yol(gunluk->ayarlar().bildirimSekli, yerlesir, true);
    const auto kayan = [this, ezan, baslik, metin, kayanMesaj] {
        if (ezan)
            ezanBildirimi().MesajGoster(kayanMesaj);
        else
            bildirim().MesajGoster(baslik, metin);
    };
    if (yol.kayan)
        kayan();
    if (!yol.masaustu)
        return;
    // No service to take it: the sliding window after all, so that nothing goes untold.
    auto sonuc = [kayan, yalniz = !yol.kayan](bool alindi) {
        if (!alindi && yalniz)
            kayan();
    };
    if (ezan)
        masaustuBildirimi().ezanGonder(baslik, metin, sonuc);
    else
        masaustuBildirimi().gonder(baslik, metin, sonuc);
}

void QRavla::calinamadi()
{
    if (ezanPopup)
        ezanPopup->CalinamadiGoster();
    if (masaustu)
        masaustu->ezanaEkle(
            QCoreApplication::translate("EzanPopupClass", "Seçilen ezan kaydı çalınamadı"));
}

secenekler &QRavla::seceneklerFormu()
{
    if (!secenekFormu) {
        secenekFormu = std::make_unique<secenekler>();
        secenekFormu->UlkeListesiniOku();
        connect(secenekFormu.get(), &secenekler::ayarlarKaydedildi, this, &QRavla::ayarlariUygula);
    }
    return *secenekFormu;
}

bilgi &QRavla::bilgiFormu()
{
    return ilkKullanimda(bilgiPenceresi);
}

QSystemTrayIcon *QRavla::trayIkonu()
{
    return tepsi->ikon();
}

QRavla::~QRavla() = default;

void QRavla::ayarlariUygula(const AyarDegerleri &yeni)
{
    gunluk->ayarla(yeni);
    yaz(ui->Sehirlabel, yerAdi());
    ZamanAkimi(); // a confirmed page shows in the labels at once, not at the next tick
}

// The place as the interface's language names it; it changes only with the settings.
QString QRavla::yerAdi() const
{
    const AyarDegerleri &ayar = gunluk->ayarlar();
    return SehirVeritabani::yerAdi(SehirVeritabani::klasor(), ayar.sehirAdi, ayar.ulkeAdi,
                                   Dil::arayuzDili());
}

void QRavla::showEvent(QShowEvent *olay)
{
    QWidget::showEvent(olay);
    showTime();
    saatZamanlayici->start(1000); // the clock ticks only while it can be seen
}

void QRavla::hideEvent(QHideEvent *olay)
{
    QWidget::hideEvent(olay);
    saatZamanlayici->stop();
}

void QRavla::showTime()
{
    if (isVisible())
        ui->lcdNumber->display(saatYazisi(Saat::simdi().time()));
}

QString QRavla::saatYazisi(const QTime &saat)
{
    QString metin = saat.toString(QStringLiteral("hh:mm"));
    if (saat.second() % 2 == 0)
        metin[2] = QLatin1Char(' ');
    return metin;
}

void QRavla::ZamanAkimi()
{
    const QDateTime simdi = Saat::simdi();
    const QDate bugun = simdi.date();
    const AyarDegerleri &ayar = gunluk->ayarlar();
    if (bugun != etiketTarihi || ayar.hicriDuzeltme != etiketHicriDuzeltmesi ||
        ayar.hicriTakvim != etiketHicriTakvimi) {
        ui->Tarihlabel->setText(
            arayuzYereli(dilNo).toString(bugun, QStringLiteral("dddd, dd.MM.yyyy")));
        hicri.Hesapla(bugun.day(), bugun.month(), bugun.year(), ayar.hicriDuzeltme,
                      ravla::hijriCalendarFrom(ayar.hicriTakvim));
        ui->Hicrilabel->setText(QString::fromStdString(hicri.ayAdi + " : " + hicri.tarihMetni()));
        // Today's religious day, or tonight's kandil, under the date and in the Hijri tooltip.
        const std::vector<ravla::DiniGun> gunler =
            ravla::diniGunler({bugun.day(), bugun.month(), bugun.year()},
                              ravla::hijriCalendarFrom(ayar.hicriTakvim), ayar.hicriDuzeltme);
        QStringList bugunku, buGece;
        for (ravla::DiniGun g : gunler)
            (ravla::geceMi(g) ? buGece : bugunku) << diniGunMetni(g);
        QStringList satirlar;
        if (!bugunku.isEmpty())
            satirlar << tr("Bugün: %1").arg(bugunku.join(QStringLiteral(", ")));
        geceSatiri =
            buGece.isEmpty() ? QString() : tr("Bu gece: %1").arg(buGece.join(QStringLiteral(", ")));
        if (!geceSatiri.isEmpty())
            satirlar << geceSatiri;
        ui->DiniGunlabel->setText(satirlar.join(QStringLiteral(" · ")));
        ui->Hicrilabel->setToolTip(satirlar.join(QLatin1Char('\n')));
        etiketTarihi = bugun;
        etiketHicriDuzeltmesi = ayar.hicriDuzeltme;
        etiketHicriTakvimi = ayar.hicriTakvim;
    }

    gunluk->tik(simdi);
    SonrakiVakitGuncelle();
    GorusSor(bugun);
}

void QRavla::vakitleriGoster(const ravla::DaySchedule &gun)
{
    using namespace ravla;
    kibleDerece = gun.qiblaDegrees;
    yazSaatiEtkin = gun.dstInForce;
    yaz(ui->imsakvakitlabel, saatMetni(gun.times[Imsak]));
    yaz(ui->fecirvakitlabel, saatMetni(gun.times[Fajr]));
    yaz(ui->gunesvakitlabel, saatMetni(gun.times[Sunrise]));
    yaz(ui->oglevakitlabel, saatMetni(gun.times[Dhuhr]));
    yaz(ui->ikindivakitlabel, saatMetni(gun.times[Asr]));
    yaz(ui->aksamvakitlabel, saatMetni(gun.times[Maghrib]));
    yaz(ui->yatsivakitlabel, saatMetni(gun.times[Isha]));
}

void QRavla::SonrakiVakitGuncelle()
{
    const GunlukVakitler::Sonraki &s = gunluk->sonraki();
    if (s.vakit == 0) {
        yaz(ui->KalanZamanLabel, QString());
        tepsi->ipucuYaz(geceSatiri, windowTitle());
        return;
    }
    yaz(ui->KalanZamanLabel, Metinler::kalanSure(dilNo, s.vakit - 1) + QString::number(s.saat) +
                                 Metinler::kalanSure(dilNo, 5) + QString::number(s.dakika) +
                                 Metinler::kalanSure(dilNo, 6));
    QString ipucu = Metinler::ipucu(dilNo, s.vakit, s.hedefMs, s.saat, s.dakika);
    if (!geceSatiri.isEmpty())
        ipucu += QLatin1Char('\n') + geceSatiri;
    tepsi->ipucuYaz(ipucu, windowTitle());
}

// A reminder before a prayer (1..5) or İmsak (6): a notice, and a soft tone if wanted.
void QRavla::HatirlatmaGeldi(int vakit)
{
    if (vakit < 1 || vakit > 6)
        return;
    const AyarDegerleri &ayar = gunluk->ayarlar();
    const int dakika = ayar.hatirlat[vakit == 6 ? 0 : vakit];
    duyur(false, Metinler::hatirlatmaBasligi(dilNo), Metinler::hatirlatma(dilNo, vakit, dakika));
    if (ayar.hatirlatmaSesi)
        ezanSecimi().sesAraci()->DosyaCal(ProgramKlasoru::yol() +
                                              QStringLiteral("/sesler/Hatirlatma.ogg"),
                                          ui->SesSlider->value());
    emit hatirlatmaGeldi(vakit);
}

void QRavla::VakitGeldi(int vakit)
{
    // The adhan first. Its recording opens on a thread of its own and starts once it is open,
    // and the notification's call is asynchronous: neither waits for the other.
    ezanSecimi().EzanCal(vakit, ui->SesSlider->value(), [this] { calinamadi(); });
    tepsi->animasyonuBaslat();
    duyur(true, Metinler::vakitBildirimi(dilNo, vakit, gunluk->gelenVakitAni()),
          Metinler::ezan(dilNo, true), Metinler::ezan(dilNo, true));
    emit vakitGeldi(vakit);
}

int QRavla::SimdikiVakit() const
{
    return gunluk->simdikiVakit(Saat::simdi().time());
}

void QRavla::CalSlot()
{
    ezanSecimi().EzanCal(SimdikiVakit(), ui->SesSlider->value(), [this] { calinamadi(); });
    duyur(true, Metinler::ezan(dilNo, false), QString(), Metinler::ezan(dilNo, false));
}

// The window's stop button and the notification's stop action alike.
void QRavla::DurSlot()
{
    if (ezanSec)
        ezanSec->EzanDur();
    if (ezanPopup)
        ezanPopup->KayarakKapat();
    if (masaustu)
        masaustu->ezanKapat();
}

void QRavla::SesSecSlot()
{
    ezanSecimi().show();
    ezanSec->raise();
}

void QRavla::TrayAnimasyon()
{
    tepsi->TrayAnimasyon();
}

void QRavla::SetDuzey(int duzey)
{
    ui->SesDuzeyLabel->setText(QStringLiteral("% %1").arg(duzey));
    ezanSecimi().sesAraci()->DuzeyAyarla(duzey);
}

void QRavla::TrayGizle()
{
    hide();
    tepsi->pencereGizlendi();
}

void QRavla::TrayGoster()
{
    showNormal();
    tepsi->pencereGosterildi();
}

void QRavla::FormuGizleVeYokOl()
{
    TrayGizle();
    gizlemeZamanlayici->deleteLater(); // fires once only
    gizlemeZamanlayici = nullptr;
}

void QRavla::slotTrayTiklandi(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger)
        return;
    if (!isHidden()) {
        TrayGizle();
        return;
    }
    const bool buyuk = isMaximized();
    show();
    if (isMinimized())
        buyuk ? showMaximized() : showNormal();
    raise();
    activateWindow();
    tepsi->pencereGosterildi();
}

void QRavla::closeEvent(QCloseEvent *olay)
{
    if (tepsi->gorunurMu() && tepsiVarMi()) {
        tepsi->pencereGizlendi();
        hide();
        olay->ignore();
        return;
    }
    // No tray to live in: closing the window ends the program.
    olay->accept();
    QCoreApplication::quit();
}

void QRavla::DilComboBoxDegisSlot()
{
    const int i = ui->DilComboBox->currentIndex();
    if (i < 0 || i > 3)
        return;
    QString hata;
    if (!Dil::sec(i, &hata)) {
        QMessageBox::critical(this, QCoreApplication::translate("secenekler", "Hata"), hata,
                              QMessageBox::Ok);
        return;
    }
    duyur(false, Metinler::dilDegistiBasligi(i), Metinler::dilDegisti(i));
}

// Once, about 95 seconds after start, on the 7th and the 25th: does the user like the program?
void QRavla::GorusSor(const QDate &bugun)
{
    ++tikSayaci;
    if (!Dil::gorusSorulsunMu(tikSayaci, bugun) || dilNo < 0 || dilNo > 3)
        return;
    duyur(false, Metinler::gorusSorusu(dilNo), Metinler::gorusAdresi(dilNo));
}

// The program's windows open over the main one (over the screen's centre while it is in the
// tray) as its transient children, without taskbar entries of their own; Escape closes them.
void QRavla::pencereAc(QWidget &w)
{
    if (w.parentWidget() != this) {
        w.setParent(this, w.windowFlags() | Qt::Window);
        auto *kapat = new QShortcut(QKeySequence(Qt::Key_Escape), &w);
        kapat->setContext(Qt::WidgetWithChildrenShortcut);
        connect(kapat, &QShortcut::activated, &w, &QWidget::close);
    }
    const bool yeni = !w.isVisible();
    w.show(); // laid out: its size is now the one it shows
    if (yeni) {
        const QRect alan = isVisible() ? frameGeometry()
                           : screen()  ? screen()->availableGeometry()
                                       : QRect();
        QRect yer(QPoint(), w.frameGeometry().size());
        yer.moveCenter(alan.center());
        if (alan.isValid())
            w.move(yer.topLeft());
    }
    w.raise();
    w.activateWindow();
}

void QRavla::KabeAciSlot()
{
    kible &kibleDialog = kibleFormu();
    kibleDialog.KibleGoster(kibleDerece, yerAdi());
    pencereAc(kibleDialog);
}

void QRavla::AylikCizelgeGoster()
{
    if (!aylikCizelge)
        aylikCizelge = std::make_unique<AylikCizelge>(); // built when first asked for
    pencereAc(*aylikCizelge);
    aylikCizelge->goster(gunluk->ayarlar());
}

void QRavla::SeceneklerFormuGoster()
{
    secenekler &s = seceneklerFormu();
    pencereAc(s);
    s.AyarlariBagla(gunluk->ayarlar());
}

void QRavla::BilgiToolButtonTiklandi()
{
    bilgi &b = bilgiFormu();
    b.BilgileriGoster(gunluk->ayarlar(), yazSaatiEtkin, ui->Hicrilabel->text());
    pencereAc(b); // filled first: its size follows what it shows
}
