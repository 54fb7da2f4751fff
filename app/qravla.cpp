#include "qravla.h"

#include "ui_qravla.h"

#include "dil.h"
#include "resimler.h"
#include "saat.h"
#include "vakitsecenekleri.h"

#include "aylikcizelge.h"
#include "ezansec.h"
#include "kible.h"
#include "programklasoru.h"
#include "sehirveritabani.h"
#include "sesarac.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
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

} // namespace

void QRavla::ResimleriKoy()
{
    ui->TabanZorvaLabel->setPixmap(resim("zorvalik"));
    ui->label_2->setPixmap(resim("sol"));
    ui->label->setPixmap(resim("tepe"));
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

    ayarlar.Bagla(ayar);
    ayarlar.Oku();
    CumleleriDoldur();

    ResimleriKoy();
    TrayEylemleriniKur();

    connect(ui->OkuToolButton, &QToolButton::clicked, this, &QRavla::CalSlot);
    connect(ui->OkumaToolButton, &QToolButton::clicked, this, &QRavla::DurSlot);
    connect(ui->DilComboBox, &QComboBox::currentIndexChanged, this, &QRavla::DilComboBoxDegisSlot);

    // Without a tray there is no way back to a hidden window: it then stays on screen.
    if (tepsiVarMi()) {
        gizlemeZamanlayici = new QTimer(this);
        connect(gizlemeZamanlayici, &QTimer::timeout, this, &QRavla::FormuGizleVeYokOl);
        gizlemeZamanlayici->start(1500);
    }

    connect(ui->SesSec, &QToolButton::clicked, this, &QRavla::SesSecSlot);
    connect(ui->KabeAciToolButton, &QToolButton::clicked, this, &QRavla::KabeAciSlot);
    animasyonZamanlayici = new QTimer(this);
    connect(animasyonZamanlayici, &QTimer::timeout, this, &QRavla::TrayAnimasyon);
    connect(ui->SesSlider, &QSlider::valueChanged, this, &QRavla::SetDuzey);

    connect(ui->secenektoolButton, &QToolButton::clicked, this, &QRavla::SeceneklerFormuGoster);
    connect(ui->AylikToolButton, &QToolButton::clicked, this, &QRavla::AylikCizelgeGoster);
    connect(ui->BilgiToolButton, &QToolButton::clicked, this, &QRavla::BilgiToolButtonTiklandi);

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

secenekler &QRavla::seceneklerFormu()
{
    if (!secenekFormu) {
        secenekFormu = std::make_unique<secenekler>();
        secenekFormu->UlkeListesiniOku();
        // A confirmed page shows in the labels at once, not at the next tick.
        connect(secenekFormu.get(), &secenekler::ayarlarKaydedildi, this, &QRavla::ZamanAkimi);
    }
    return *secenekFormu;
}

bilgi &QRavla::bilgiFormu()
{
    return ilkKullanimda(bilgiPenceresi);
}

QRavla::~QRavla()
{
    delete trayIkon; // leaves the notification area at once
    trayIkon = nullptr;
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

// The day's inputs as the command line and the month's timetable build them, so that the three
// never disagree. Looking a zone up costs more than a tick may: the inputs are kept while the
// settings stay as they are.
ravla::ScheduleInputs QRavla::girdiler(const QDate &tarih)
{
    if (!girdiAyari || !(ayar == *girdiAyari) || girdiler_.size() > 8) {
        girdiAyari = ayar;
        girdiSecenekleri = ayarlardanSecenekler(ayar);
        girdiler_.clear();
    }
    auto i = girdiler_.find(tarih.toJulianDay());
    if (i == girdiler_.end())
        i = girdiler_.insert(
            tarih.toJulianDay(),
            vakit::inputsFor(girdiSecenekleri, {tarih.day(), tarih.month(), tarih.year()}));
    return *i;
}

void QRavla::ZamanAkimi()
{
    const QDateTime simdi = Saat::simdi();
    simdiMs = VakitTakibi::duvarSaatiMs(simdi);
    const QDate bugun = simdi.date();
    gun = bugun.day();
    ay = bugun.month();
    yil = bugun.year();

    if (bugun != etiketTarihi || ayar.hicriDuzeltme != etiketHicriDuzeltmesi) {
        ui->Tarihlabel->setText(
            arayuzYereli(dilNo).toString(bugun, QStringLiteral("dddd, dd.MM.yyyy")));
        hicri.Hesapla(gun, ay, yil, ayar.hicriDuzeltme);
        ui->Hicrilabel->setText(QString::fromStdString(hicri.ayAdi + " : " + hicri.tarihMetni()));
        etiketTarihi = bugun;
        etiketHicriDuzeltmesi = ayar.hicriDuzeltme;
    }

    VakitleriHesapla(gun, ay, yil);
    yaz(ui->Sehirlabel, ayar.sehirAdi + QStringLiteral(" - ") + ayar.ulkeAdi);

    SonrakiVakitGuncelle();
    GorusSor();
}

void QRavla::VakitleriHesapla(int gun, int ay, int yil)
{
    const QDate bugun(yil, ay, gun);
    const ravla::DaySchedule &s = bugunHesap.compute(girdiler(bugun));
    const bool hatirlatmaDegisti = !std::equal(std::begin(ayar.hatirlat), std::end(ayar.hatirlat),
                                               std::begin(kurulanHatirlat));
    if (bugunHesap.generation() == yazilanNesil && !hatirlatmaDegisti)
        return; // nothing changed since the last second

    std::copy(std::begin(s.times), std::end(s.times), std::begin(vakitler));
    kibleAci = s.qibla;
    kibleDerece = s.qiblaDegrees;
    yazSaatiEtkin = s.dstInForce;
    EtiketleriYaz();
    yazilanNesil = bugunHesap.generation();

    // Yesterday's schedule too: its Isha may fall after our midnight.
    const ravla::PrayerTime *dun = dunHesap.compute(girdiler(bugun.addDays(-1))).times;
    const qint64 bugunGun = bugun.toJulianDay();
    takip.vakitleriKur(bugunGun, vakitler, dun);
    // Tomorrow's for the reminders: one before an İmsak just after midnight comes tonight.
    const ravla::PrayerTime *yarin = yarinHesap.compute(girdiler(bugun.addDays(1))).times;
    hatirlatmaTakibi.anlariKur(
        VakitTakibi::hatirlatmaAnlari(bugunGun, vakitler, dun, yarin, ayar.hatirlat));
    std::copy(std::begin(ayar.hatirlat), std::end(ayar.hatirlat), std::begin(kurulanHatirlat));
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
    if (const int gelen = takip.tik(simdiMs))
        VakitGeldi(gelen);
    if (const int hatirlatilan = hatirlatmaTakibi.tik(simdiMs))
        HatirlatmaGeldi(hatirlatilan);

    qint64 hedef = 0;
    const int sonraki = takip.sonrakiVakit(simdiMs, &hedef);
    if (sonraki == 0) {
        yaz(ui->KalanZamanLabel, QString());
        tepsiIpucu(QString());
        return;
    }
    KalanSureHesapla(hedef);
    yaz(ui->KalanZamanLabel, vakitCumleleri[sonraki - 1] + QString::number(kalanSaat) +
                                 vakitCumleleri[5] + QString::number(kalanDakika) +
                                 vakitCumleleri[6]);
    tepsiIpucu(ipucuMetni(dilNo, sonraki, hedef, kalanSaat, kalanDakika));
}

void QRavla::tepsiIpucu(const QString &metin)
{
    // A tooltip set anew every second would flicker where the desktop shows it.
    ipucu = metin;
    if (trayIkon && trayIkon->toolTip() != metin)
        trayIkon->setToolTip(metin.isEmpty() ? windowTitle() : metin);
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

namespace {

// The popup's line, by language: at a prayer's time, and when the user plays the adhan.
QString ezanMesaji(int dilNo, bool vakitGeldi)
{
    static const char *const mesajlar[4][2] = {
        {"Namaz Vakti", "Ezan Okunuyor"},
        {"حان وقت صلاة", "الأذان يدعى"},
        {"Zeit zum Beten", "Der Gebetsruf wird ausgerufen"},
        {"It is time for prayer", "Adhan is called"},
    };
    return dilNo >= 0 && dilNo <= 3 ? QString::fromUtf8(mesajlar[dilNo][vakitGeldi ? 0 : 1])
                                    : QString();
}

} // namespace

// The tray's tooltip: the next prayer, its time and the time left ("Öğle 12:05 — 1 saat 20
// dakika").
QString QRavla::ipucuMetni(int dilNo, int vakit, qint64 hedefMs, int saat, int dakika)
{
    static const char *const adlar[4][5] = {
        {"Sabah", "Öğle", "İkindi", "Akşam", "Yatsı"},
        {"الفجر", "الظهر", "العصر", "المغرب", "العشاء"},
        {"Fadschr", "Dhuhr", "Asr", "Maghrib", "Ischa"},
        {"Fajr", "Dhuhr", "Asr", "Maghrib", "Isha"},
    };
    static const char *const kalan[4] = {"%1 saat %2 dakika", "%1 ساعة %2 دقيقة", "%1 Std. %2 Min.",
                                         "%1 h %2 min"};
    if (dilNo < 0 || dilNo > 3 || vakit < 1 || vakit > 5)
        return QString();
    const QTime an = QTime::fromMSecsSinceStartOfDay(int(hedefMs % 86400000));
    return QString::fromUtf8(adlar[dilNo][vakit - 1]) + QLatin1Char(' ') +
           an.toString(QStringLiteral("hh:mm")) + QStringLiteral(" — ") +
           QString::fromUtf8(kalan[dilNo]).arg(saat).arg(dakika);
}

// A reminder before a prayer (1..5) or İmsak (6): a notice, and a soft tone if wanted.
void QRavla::HatirlatmaGeldi(int vakit)
{
    static const char *const basliklar[4] = {"Hatırlatma", "تذكير", "Erinnerung", "Reminder"};
    static const char *const metinler[4][6] = {
        {"Sabah namazına %1 dakika kaldı", "Öğle namazına %1 dakika kaldı",
         "İkindi namazına %1 dakika kaldı", "Akşam namazına %1 dakika kaldı",
         "Yatsı namazına %1 dakika kaldı", "İmsak vaktine %1 dakika kaldı"},
        {"بقي %1 دقيقة على صلاة الفجر", "بقي %1 دقيقة على صلاة الظهر",
         "بقي %1 دقيقة على صلاة العصر", "بقي %1 دقيقة على صلاة المغرب",
         "بقي %1 دقيقة على صلاة العشاء", "بقي %1 دقيقة على الإمساك"},
        {"Noch %1 Minuten bis Fadschr", "Noch %1 Minuten bis Dhuhr", "Noch %1 Minuten bis Asr",
         "Noch %1 Minuten bis Maghrib", "Noch %1 Minuten bis Ischa", "Noch %1 Minuten bis Imsak"},
        {"%1 minutes until Fajr", "%1 minutes until Dhuhr", "%1 minutes until Asr",
         "%1 minutes until Maghrib", "%1 minutes until Isha", "%1 minutes until Imsak"},
    };
    if (vakit < 1 || vakit > 6)
        return;
    const int dakika = ayar.hatirlat[vakit == 6 ? 0 : vakit];
    if (dilNo >= 0 && dilNo <= 3)
        bildirim().MesajGoster(QString::fromUtf8(basliklar[dilNo]),
                               QString::fromUtf8(metinler[dilNo][vakit - 1]).arg(dakika));
    else
        bildirim().MesajGoster(QString(), QString::number(dakika));
    if (ayar.hatirlatmaSesi)
        ezanSecimi().sesAraci()->DosyaCal(ProgramKlasoru::yol() +
                                              QStringLiteral("/sesler/Hatirlatma.ogg"),
                                          ui->SesSlider->value());
    emit hatirlatmaGeldi(vakit);
}

void QRavla::VakitGeldi(int vakit)
{
    // The popup and the tray's blinking do not wait for the recording: it opens on a thread of
    // its own and starts once it is open.
    ezanBildirimi().MesajGoster(ezanMesaji(dilNo, true));
    animasyonZamanlayici->start(700);
    ezanSecimi().EzanCal(vakit, ui->SesSlider->value(),
                         [this] { ezanBildirimi().CalinamadiGoster(); });
    emit vakitGeldi(vakit);
}

int QRavla::SimdikiVakit() const
{
    const QTime simdi = Saat::simdi().time();
    // An entry that is no clock time of the day (99:99, or 24:40 under daylight saving)
    // never holds its rule; the next one decides.
    const auto once = [&](int i) {
        const ravla::PrayerTime &v = vakitler[i];
        return v.hour >= 0 && v.hour <= 23 && simdi < QTime(v.hour, v.minute);
    };
    if (once(ravla::Sunrise))
        return 1;
    if (once(ravla::Asr))
        return 2;
    if (once(ravla::Maghrib))
        return 3;
    if (once(ravla::Isha))
        return 4;
    return simdi < QTime(23, 59) ? 5 : 0;
}

void QRavla::CalSlot()
{
    ezanBildirimi().MesajGoster(ezanMesaji(dilNo, false));
    ezanSecimi().EzanCal(SimdikiVakit(), ui->SesSlider->value(),
                         [this] { ezanBildirimi().CalinamadiGoster(); });
}

void QRavla::DurSlot()
{
    if (ezanSec)
        ezanSec->EzanDur();
    if (ezanPopup)
        ezanPopup->KayarakKapat();
}

void QRavla::SesSecSlot()
{
    ezanSecimi().show();
    ezanSec->raise();
}

void QRavla::tepsiResmi(const QPixmap &resim)
{
    ui->camilabel->setPixmap(resim);
    if (trayIkon)
        trayIkon->setIcon(resim);
}

void QRavla::TrayAnimasyon()
{
    ++animasyonKare;
    tepsiResmi(animasyonKare % 2 ? camiResmi : camikResmi);
    if (animasyonKare > 170) {
        animasyonKare = 0;
        tepsiResmi(camiResmi);
        animasyonZamanlayici->stop();
    }
}

void QRavla::SetDuzey(int duzey)
{
    ui->SesDuzeyLabel->setText(QStringLiteral("% %1").arg(duzey));
    ezanSecimi().sesAraci()->DuzeyAyarla(duzey);
}

void QRavla::TrayEylemleriniKur()
{
    static const char *const metinler[4][4] = {
        {"Gizle", "Göster", "Çıkıs", "Aylık Vakitler"},
        {"اخفِ", "أظهر", "أغلق", "المواقيت الشهرية"},
        {"Ausblenden", "Anzeigen", "Beenden", "Monatliche Gebetszeiten"},
        {"hide", "display", "Quit", "Monthly prayer times"},
    };
    const bool bilinen = dilNo >= 0 && dilNo <= 3;
    const auto metin = [&](int i) {
        return bilinen ? QString::fromUtf8(metinler[dilNo][i]) : QString();
    };
    gizleAction = new QAction(metin(0), this);
    gosterAction = new QAction(metin(1), this);
    cikisAction = new QAction(metin(2), this);
    aylikAction = new QAction(metin(3), this);
    connect(aylikAction, &QAction::triggered, this, &QRavla::AylikCizelgeGoster);
    connect(gizleAction, &QAction::triggered, this, &QRavla::TrayGizle);
    connect(gosterAction, &QAction::triggered, this, &QRavla::TrayGoster);
    // exit, not quit: quit first asks every window to close, and the main window only hides
    // into the tray, which cancels it wherever another window is still open (on X11 the tray
    // icon itself is one).
    connect(cikisAction, &QAction::triggered, qApp, [] { QCoreApplication::exit(0); });
    gosterAction->setEnabled(false);
}

void QRavla::TrayMenusunuKur()
{
    trayMenu = new QMenu(this);
    trayMenu->addAction(gizleAction);
    trayMenu->addAction(gosterAction);
    trayMenu->addAction(aylikAction);
    trayMenu->addSeparator();
    trayMenu->addAction(cikisAction);
    trayIkon = new QSystemTrayIcon(this);
    trayIkon->setContextMenu(trayMenu);
    trayIkon->setIcon(camiResmi);
    trayIkon->setToolTip(ipucu.isEmpty() ? windowTitle() : ipucu);
    connect(trayIkon, &QSystemTrayIcon::activated, this, &QRavla::slotTrayTiklandi);
}

QSystemTrayIcon *QRavla::trayIkonu()
{
    if (!trayIkon)
        TrayMenusunuKur();
    return trayIkon;
}

void QRavla::TrayGizle()
{
    hide();
    gizleAction->setEnabled(false);
    gosterAction->setEnabled(true);
}

void QRavla::TrayGoster()
{
    showNormal();
    gizleAction->setEnabled(true);
    gosterAction->setEnabled(false);
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
    gizleAction->setEnabled(true);
    gosterAction->setEnabled(false);
}

void QRavla::closeEvent(QCloseEvent *olay)
{
    if (trayIkon && trayIkon->isVisible() && tepsiVarMi()) {
        gizleAction->setEnabled(false);
        gosterAction->setEnabled(true);
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
    struct Secim {
        const char *kod, *no, *baslik, *mesaj;
    };
    static const Secim diller[4] = {
        {"tr_TR", "0", "Bilgi", "Değişiklikler program yeniden başladığızı zaman etkin olacaktır!"},
        {"ar_AR", "1", "المعلومات",
         "! يجب عليك إعادة تشغيل البرنامج ليتم تنفيذ التعديلات التي طلبتها"},
        {"de_DE", "2", "Information", "Änderung wird erst nach Neustart des Programms wirksam!"},
        {"en_EN", "3", "information", "Please restart Ravla for all the changes to take effect!"},
    };
    const int i = ui->DilComboBox->currentIndex();
    if (i < 0 || i > 3)
        return;
    QSettings depo{QLatin1String(kOrganizasyon), QLatin1String(Dil::kUygulama)};
    depo.setValue(QStringLiteral("Yerel Dil"), QString::fromLatin1(diller[i].kod));
    depo.setValue(QStringLiteral("Dil No"), QString::fromLatin1(diller[i].no));
    bildirim().MesajGoster(QString::fromUtf8(diller[i].baslik), QString::fromUtf8(diller[i].mesaj));
}

// Once, about 95 seconds after start, on the 7th and the 25th: does the user like the program?
void QRavla::GorusSor()
{
    static const char *const metinler[4][2] = {
        {"Ravla programını beğendinizmi?", "yorumlarınızı bu mail adresine gönderin"},
        {"هل أعجبك هذا البرنامج ؟", "ارسال رأيك الى هذا العنوان"},
        {"Wie hat Ihnen Ravla gefallen?", "Schicken Sie Ihre Meinung an diese EMail Adresse"},
        {"How do you like Ravla program?", "Send your comments to this address"},
    };
    ++tikSayaci;
    const int bugun = Saat::simdi().date().day();
    if (tikSayaci != 95 || (bugun != 7 && bugun != 25) || dilNo < 0 || dilNo > 3)
        return;
    bildirim().MesajGoster(QString::fromUtf8(metinler[dilNo][0]),
                           QString::fromUtf8(metinler[dilNo][1]));
}

void QRavla::KabeAciSlot()
{
    kible &kibleDialog = kibleFormu();
    kibleDialog.KibleGoster(kibleDerece, ayar.sehirAdi + QStringLiteral(" - ") + ayar.ulkeAdi);
    kibleDialog.show();
    kibleDialog.raise();
}

void QRavla::AylikCizelgeGoster()
{
    if (!aylikCizelge)
        aylikCizelge = std::make_unique<AylikCizelge>(); // built when first asked for
    aylikCizelge->goster(ayar);
}

void QRavla::SeceneklerFormuGoster()
{
    secenekler &s = seceneklerFormu();
    s.show();
    s.raise();
    s.AyarlariBagla(ayar);
}

void QRavla::BilgiToolButtonTiklandi()
{
    bilgi &b = bilgiFormu();
    b.show();
    b.raise();
    b.BilgileriGoster(ayar.ulkeAdi, ayar.sehirAdi, ayar.enlem, ayar.boylam, ayar.hesapYontemi,
                      ayar.hanefiMezhep, ayar.gmt, yazSaatiEtkin, ayar.ozelHesapYontem,
                      ui->Hicrilabel->text());
}
