#include "qravla.h"

#include "ui_qravla.h"

#include "dil.h"
#include "resimler.h"
#include "saat.h"
#include "saatdilimi.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <algorithm>

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

} // namespace

QRavla::QRavla(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::QRavlaClass>())
{
    resimleriYukle();
    ui->setupUi(this);
    setFixedSize(720, 440);

    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        const QRect masaustu = ekran->geometry();
        move((masaustu.width() - width()) / 2, (masaustu.height() - height()) / 2);
    }

    ui->lcdNumber->setSegmentStyle(QLCDNumber::Filled);
    saatZamanlayici = new QTimer(this);
    saatZamanlayici->setTimerType(Qt::PreciseTimer); // a late tick makes the colon stutter
    connect(saatZamanlayici, &QTimer::timeout, this, &QRavla::showTime);
    saatZamanlayici->start(1000);
    showTime();
    setWindowTitle(tr("Ravla Namaz Vakti"));

    akisZamanlayici = new QTimer(this);
    akisZamanlayici->setTimerType(Qt::PreciseTimer);
    connect(akisZamanlayici, &QTimer::timeout, this, &QRavla::ZamanAkimi);

    dilNo = Dil::dilNo();
    if (dilNo >= 0 && dilNo <= 3)
        ui->DilComboBox->setCurrentIndex(dilNo);

    seceneklerFormu.UlkeListesiniOku();
    ayarlar.Bagla(ayar);
    ayarlar.Oku();
    CumleleriDoldur();

    connect(ui->secenektoolButton, &QToolButton::clicked, this, &QRavla::SeceneklerFormuGoster);
    connect(ui->BilgiToolButton, &QToolButton::clicked, this, &QRavla::BilgiToolButtonTiklandi);
    // A confirmed page shows in the labels at once, not at the next tick.
    connect(&seceneklerFormu, &secenekler::ayarlarKaydedildi, this, &QRavla::ZamanAkimi);

    // These controls come alive with the sound and the language switch they belong to.
    for (QWidget *w :
         {static_cast<QWidget *>(ui->OkuToolButton), static_cast<QWidget *>(ui->OkumaToolButton),
          static_cast<QWidget *>(ui->SesSec), static_cast<QWidget *>(ui->KabeAciToolButton),
          static_cast<QWidget *>(ui->DilComboBox)})
        w->setEnabled(false);

    camiResmi = QPixmap(QStringLiteral(":/iconlar/resim/cami.png"));
    camikResmi = QPixmap(QStringLiteral(":/iconlar/resim/camik.png"));
    animasyonZamanlayici = new QTimer(this);
    connect(animasyonZamanlayici, &QTimer::timeout, this, &QRavla::TrayAnimasyon);
    connect(ui->SesSlider, &QSlider::valueChanged, this, &QRavla::SetDuzey);

    ZamanAkimi();
    tikSayaci = 0;
    akisZamanlayici->start(1000);
}

QRavla::~QRavla() = default;

void QRavla::showTime()
{
    ui->lcdNumber->display(saatYazisi(Saat::simdi().time()));
}

QString QRavla::saatYazisi(const QTime &saat)
{
    QString metin = saat.toString(QStringLiteral("hh:mm"));
    if (saat.second() % 2 == 0)
        metin[2] = QLatin1Char(' ');
    return metin;
}

ravla::ScheduleInputs QRavla::girdiler(int gun, int ay, int yil, double enlem, double boylam,
                                       double gmt)
{
    ravla::ScheduleInputs g;
    g.date = {gun, ay, yil};
    g.latitude = enlem;
    g.longitude = boylam;
    g.timeZone = gmt;
    g.methodCode = ayar.hesapYontemi;
    g.customMethod = ayar.ozelHesapYontem;
    g.fajrAngle = ayar.sabahAci;
    g.ishaAngle = ayar.yatsiAci;
    g.hanafi = ayar.hanefiMezhep;
    g.dst = yazSaatiKurali(QDate(yil, ay, gun), gmt);
    return g;
}

// A place from the city list brings its zone, whose own rules then decide (no clock change in
// Istanbul, American and southern dates elsewhere); a place typed in follows the built-in rule
// or the user's dates.
ravla::DstRule QRavla::yazSaatiKurali(const QDate &tarih, double gmt)
{
    ravla::DstRule kural;
    if (!ayar.yazSaatiOtomatik) {
        kural.kind = ravla::DstRule::Range;
        kural.start = {ayar.yazGunBasla, ayar.yazAyBasla, ayar.yazYilBasla};
        kural.end = {ayar.yazGunBitis, ayar.yazAyBitis, ayar.yazYilBitis};
        return kural;
    }
    if (ayar.saatDilimi != kuralBolgesi || tarih != kuralTarihi || gmt != kuralGmt) {
        kuralBolgesi = ayar.saatDilimi;
        kuralTarihi = tarih;
        kuralGmt = gmt;
        kuralKaymasi = SaatDilimi::kayma(ayar.saatDilimi, tarih, gmt);
    }
    kural.kind = kuralKaymasi ? ravla::DstRule::Shift : ravla::DstRule::Automatic;
    kural.shiftHours = kuralKaymasi.value_or(0);
    return kural;
}

void QRavla::ZamanAkimi()
{
    const QDateTime simdi = Saat::simdi();
    simdiMs = VakitTakibi::duvarSaatiMs(simdi);
    const QDate bugun = simdi.date();
    gun = bugun.day();
    ay = bugun.month();
    yil = bugun.year();

    if (bugun != etiketTarihi) {
        ui->Tarihlabel->setText(
            arayuzYereli(dilNo).toString(bugun, QStringLiteral("dddd, dd.MM.yyyy")));
        hicri.Hesapla(gun, ay, yil);
        ui->Hicrilabel->setText(QString::fromStdString(hicri.ayAdi + " : " + hicri.tarihMetni()));
        etiketTarihi = bugun;
    }

    VakitleriHesapla(gun, ay, yil, ayar.enlem, ayar.boylam, ayar.gmt);
    yaz(ui->Sehirlabel, ayar.sehirAdi + QStringLiteral(" - ") + ayar.ulkeAdi);

    SonrakiVakitGuncelle();
}

void QRavla::VakitleriHesapla(int gun, int ay, int yil, double enlem, double boylam, double gmt)
{
    const ravla::ScheduleInputs g = girdiler(gun, ay, yil, enlem, boylam, gmt);
    const ravla::DaySchedule &s = bugunHesap.compute(g);
    if (bugunHesap.generation() == yazilanNesil)
        return; // nothing changed since the last second

    std::copy(std::begin(s.times), std::end(s.times), std::begin(vakitler));
    kibleAci = s.qibla;
    kibleDerece = s.qiblaDegrees;
    yazSaatiEtkin = s.dstInForce;
    EtiketleriYaz();
    yazilanNesil = bugunHesap.generation();

    // Yesterday's schedule too: its Isha may fall after our midnight.
    ravla::ScheduleInputs dun = g;
    const QDate dunTarih = QDate(yil, ay, gun).addDays(-1);
    dun.date = {dunTarih.day(), dunTarih.month(), dunTarih.year()};
    takip.vakitleriKur(QDate(yil, ay, gun).toJulianDay(), vakitler, dunHesap.compute(dun).times);
}

void QRavla::EtiketleriYaz()
{
    using namespace ravla;
    yaz(ui->imsakvakitlabel, saatMetni(vakitler[Imsak]));
    yaz(ui->fecirvakitlabel, saatMetni(vakitler[Fajr]));
    yaz(ui->gunesvakitlabel, saatMetni(vakitler[Sunrise]));
    yaz(ui->oglevakitlabel, saatMetni(vakitler[Dhuhr]));
    yaz(ui->ikindivakitlabel, saatMetni(vakitler[Asr]));
    yaz(ui->aksamvakitlabel, saatMetni(vakitler[Maghrib]));
    yaz(ui->yatsivakitlabel, saatMetni(vakitler[Isha]));
}

void QRavla::CumleleriDoldur()
{
    static const char *const cumleler[4][7] = {
        {"Sabah namazına ", "Öğle namazına ", "İkindi namazına ", "Akşam namazına ",
         "Yatsı namazına ", " saat ", " dakika kaldı"},
        {" بقي على صلاة الصّبح ", " بقي على صلاة الظّهر ", " بقي على صلاة العصر ",
         " بقي على صلاة المغرب ", " بقي على صلاة العشاء ", " ساعة ", " دقيقة"},
        {"bis Fadscr ", "bis Mittag ", "bis Asr ", "bis Abend ", "bis Nacht ", " Stunde(n) ",
         " Minute(n) "},
        {"Until Fajr ", "Until Dhuhr ", "Until Asr ", "Until Maghrib ", "Until Isha ", " hours ",
         " minutes"},
    };
    for (int i = 0; i < 7; ++i)
        vakitCumleleri[i] =
            dilNo >= 0 && dilNo <= 3 ? QString::fromUtf8(cumleler[dilNo][i]) : QString();
}

void QRavla::SonrakiVakitGuncelle()
{
    if (const int gelen = takip.tik(simdiMs)) {
        VakitGeldi(gelen);
        animasyonZamanlayici->start(700);
    }

    qint64 hedef = 0;
    const int sonraki = takip.sonrakiVakit(simdiMs, &hedef);
    if (sonraki == 0) {
        yaz(ui->KalanZamanLabel, QString());
        return;
    }
    KalanSureHesapla(hedef);
    yaz(ui->KalanZamanLabel, vakitCumleleri[sonraki - 1] + QString::number(kalanSaat) +
                                 vakitCumleleri[5] + QString::number(kalanDakika) +
                                 vakitCumleleri[6]);
}

int QRavla::SonrakiVakit() const
{
    return takip.sonrakiVakit(simdiMs);
}

void QRavla::KalanSureHesapla(qint64 hedef)
{
    const VakitTakibi::KalanSure kalan = VakitTakibi::kalanSure(simdiMs, hedef);
    kalanSaat = kalan.saat;
    kalanDakika = kalan.dakika;
}

void QRavla::VakitGeldi(int vakit)
{
    emit vakitGeldi(vakit);
}

void QRavla::TrayAnimasyon()
{
    ++animasyonKare;
    ui->camilabel->setPixmap(animasyonKare % 2 ? camiResmi : camikResmi);
    if (animasyonKare > 170) {
        animasyonKare = 0;
        ui->camilabel->setPixmap(camiResmi);
        animasyonZamanlayici->stop();
    }
}

void QRavla::SetDuzey(int duzey)
{
    ui->SesDuzeyLabel->setText(QStringLiteral("% %1").arg(duzey));
}

void QRavla::TrayGizle()
{
    hide();
}

void QRavla::TrayGoster()
{
    showNormal();
}

void QRavla::FormuGizleVeYokOl()
{
    TrayGizle();
}

void QRavla::slotTrayTiklandi(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger)
        return;
    if (!isHidden()) {
        TrayGizle();
        return;
    }
    show();
    if (isMinimized())
        isMaximized() ? showMaximized() : showNormal();
    raise();
    activateWindow();
}

void QRavla::SeceneklerFormuGoster()
{
    seceneklerFormu.show();
    seceneklerFormu.raise();
    seceneklerFormu.AyarlariBagla(ayar);
}

void QRavla::BilgiToolButtonTiklandi()
{
    bilgiFormu.show();
    bilgiFormu.raise();
    bilgiFormu.BilgileriGoster(ayar.ulkeAdi, ayar.sehirAdi, ayar.enlem, ayar.boylam,
                               ayar.hesapYontemi, ayar.hanefiMezhep, ayar.gmt, yazSaatiEtkin,
                               ayar.ozelHesapYontem);
}

// The controls behind these slots are disabled until their sound and language switch exist.
void QRavla::CalSlot() {}
void QRavla::DurSlot() {}
void QRavla::DilComboBoxDegisSlot() {}
void QRavla::SesSecSlot() {}
void QRavla::KabeAciSlot() {}
