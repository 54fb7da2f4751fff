#include "ayliksayfa.h"

#include "dinigunmetni.h"
#include "saatdilimi.h"
#include "tamkayit.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// The words the window and the dialogs already carry keep their translations from there.
const char *const kAylar[] = {
    QT_TRANSLATE_NOOP("secenekler", "Ocak"),   QT_TRANSLATE_NOOP("secenekler", "Şubat"),
    QT_TRANSLATE_NOOP("secenekler", "Mart"),   QT_TRANSLATE_NOOP("secenekler", "Nisan"),
    QT_TRANSLATE_NOOP("secenekler", "Mayıs"),  QT_TRANSLATE_NOOP("secenekler", "Haziran"),
    QT_TRANSLATE_NOOP("secenekler", "Temmuz"), QT_TRANSLATE_NOOP("secenekler", "Ağustos"),
    QT_TRANSLATE_NOOP("secenekler", "Eylül"),  QT_TRANSLATE_NOOP("secenekler", "Ekim"),
    QT_TRANSLATE_NOOP("secenekler", "Kasım"),  QT_TRANSLATE_NOOP("secenekler", "Aralık"),
};

// İmsak first, as the window and ravla-vakit list them.
struct Sutun {
    ravla::PrayerIndex vakit;
    const char *ad;
};
const Sutun kVakitler[] = {
    {ravla::Imsak, QT_TRANSLATE_NOOP("QRavlaClass", "İmsak")},
    {ravla::Fajr, QT_TRANSLATE_NOOP("QRavlaClass", "Fecir")},
    {ravla::Sunrise, QT_TRANSLATE_NOOP("QRavlaClass", "Güneş")},
    {ravla::Dhuhr, QT_TRANSLATE_NOOP("QRavlaClass", "Öğle")},
    {ravla::Asr, QT_TRANSLATE_NOOP("QRavlaClass", "İkindi")},
    {ravla::Maghrib, QT_TRANSLATE_NOOP("QRavlaClass", "Akşam")},
    {ravla::Isha, QT_TRANSLATE_NOOP("QRavlaClass", "Yatsı")},
};

// Monday first, as QDate counts.
const char *const kGunler[][2] = {
    QT_TRANSLATE_NOOP3("AylikSayfa", "Pzt", "Pazartesi"),
    QT_TRANSLATE_NOOP3("AylikSayfa", "Sal", "Salı"),
    QT_TRANSLATE_NOOP3("AylikSayfa", "Çar", "Çarşamba"),
    QT_TRANSLATE_NOOP3("AylikSayfa", "Per", "Perşembe"),
    QT_TRANSLATE_NOOP3("AylikSayfa", "Cum", "Cuma"),
    QT_TRANSLATE_NOOP3("AylikSayfa", "Cmt", "Cumartesi"),
    QT_TRANSLATE_NOOP3("AylikSayfa", "Paz", "Pazar"),
};

QString derece(double deger)
{
    return QString::number(deger, 'g', 8) + QChar(0x00B0);
}

// The page in line heights: heading 6.3, column headings 1.4, up to 31 days, legend and footer.
constexpr qreal kSatirSayisi = 45;

QFont yaziTipi(const QFont &temel, qreal piksel, bool kalin)
{
    QFont f = temel;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(piksel))));
    f.setBold(kalin);
    return f;
}

} // namespace

AylikVeri AylikSayfa::veri(const vakit::Run &secenekler, int yil, int ay, const QString &yer)
{
    AylikVeri v;
    v.yil = yil;
    v.ay = ay;
    v.konum = konumMetni(secenekler);
    v.yer = yer.trimmed().isEmpty() ? v.konum : yer.trimmed();
    // With code 14 in Malaysia the times are the zone's: the heading names it.
    if (!secenekler.jakimZone.empty())
        v.yer = tr("%1 (JAKIM %2)").arg(v.yer, QString::fromStdString(secenekler.jakimZone));
    v.yontem = yontemMetni(secenekler);
    v.gunler = vakit::monthDays(secenekler, yil, ay);
    return v;
}

QStringList AylikSayfa::basliklar()
{
    QStringList b{tr("Tarih"), tr("Hicri")};
    for (const Sutun &s : kVakitler)
        b << QCoreApplication::translate("QRavlaClass", s.ad);
    return b;
}

QStringList AylikSayfa::hucreler(const vakit::Day &gun)
{
    QStringList h{tarihMetni(gun.date), QString::fromStdString(gun.hijri)};
    for (const Sutun &s : kVakitler)
        h << vakitMetni(gun.schedule.times[s.vakit]);
    return h;
}

QString AylikSayfa::vakitMetni(const ravla::PrayerTime &vakit)
{
    if (!vakit.exists())
        return QString(QChar(0x2014));
    QString metin = QStringLiteral("%1:%2")
                        .arg(vakit.hour, 2, 10, QLatin1Char('0'))
                        .arg(vakit.minute, 2, 10, QLatin1Char('0'));
    if (vakit.isExtreme)
        metin += QLatin1Char('*');
    return metin;
}

QString AylikSayfa::tarihMetni(const ravla::CivilDate &tarih)
{
    const QDate d(tarih.year, tarih.month, tarih.day);
    if (!d.isValid())
        return {};
    const char *const *gun = kGunler[d.dayOfWeek() - 1];
    return QCoreApplication::translate("AylikSayfa", gun[0], gun[1]) + QLatin1Char(' ') +
           d.toString(QStringLiteral("dd.MM.yyyy"));
}

QString AylikSayfa::ayBasligi(int yil, int ay)
{
    if (ay < 1 || ay > 12)
        return QString::number(yil);
    return QCoreApplication::translate("secenekler", kAylar[ay - 1]) + QLatin1Char(' ') +
           QString::number(yil);
}

QString AylikSayfa::yontemMetni(const vakit::Run &o)
{
    QString metin =
        o.inputs.customMethod
            ? tr("Özel açılar: fecir %1, yatsı %2")
                  .arg(derece(o.inputs.fajrAngle), derece(o.inputs.ishaAngle))
            // The method's name as the options dialog shows it, in its translation there.
            : QCoreApplication::translate("seceneklerClass", ravla::methodName(o.inputs.methodCode))
                  .trimmed();
    if (o.inputs.hanafi)
        metin = tr("%1, Hanefi ikindi").arg(metin);
    return metin;
}

QString AylikSayfa::konumMetni(const vakit::Run &o)
{
    QString metin = tr("Enlem %1, boylam %2, UTC%3")
                        .arg(derece(o.inputs.latitude), derece(o.inputs.longitude),
                             SaatDilimi::ofsetMetni(o.inputs.timeZone, true));
    if (!o.zone.empty())
        metin += QStringLiteral(" (%1)").arg(QString::fromStdString(o.zone));
    if (!o.jakimZone.empty())
        metin = tr("%1, JAKIM bölgesinin referans noktası").arg(metin);
    return metin;
}

QStringList AylikSayfa::aciklamalar()
{
    return {tr("* tahmini vakit: Güneş o gece alacakaranlık açısına inmiyor ya da geç iniyor; "
               "vakit yüksek enlem kuralıyla bulundu."),
            tr("— bu vakit o gün yok.")};
}

void AylikSayfa::ciz(QPainter &p, const QRectF &alan, const AylikVeri &v)
{
    const bool sagdanSola = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    // Where lines begin, said absolutely: the painter would otherwise mirror it once more.
    const Qt::Alignment bas = Qt::AlignAbsolute | (sagdanSola ? Qt::AlignRight : Qt::AlignLeft);
    const Qt::Alignment son = Qt::AlignAbsolute | (sagdanSola ? Qt::AlignLeft : Qt::AlignRight);
    const qreal u = alan.height() / kSatirSayisi;
    const QFont temel = QGuiApplication::font();

    p.save();
    p.setLayoutDirection(sagdanSola ? Qt::RightToLeft : Qt::LeftToRight);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);

    // The heading: place, its coordinates, method, and the month.
    qreal y = alan.top();
    const auto satir = [&](const QString &metin, qreal yukseklik, QFont f) {
        // A long heading (a JAKIM zone names up to nine places) gets smaller, not cut.
        const qreal genislik = QFontMetricsF(f, p.device()).horizontalAdvance(metin);
        if (genislik > alan.width())
            f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * alan.width() / genislik)));
        p.setFont(f);
        p.drawText(QRectF(alan.left(), y, alan.width(), yukseklik), Qt::AlignCenter, metin);
        y += yukseklik;
    };
    satir(v.yer, 1.9 * u, yaziTipi(temel, 1.05 * u, true));
    if (v.konum != v.yer)
        satir(v.konum, 1.0 * u, yaziTipi(temel, 0.55 * u, false));
    else
        y += 1.0 * u;
    satir(v.yontem, 1.1 * u, yaziTipi(temel, 0.6 * u, false));
    satir(ayBasligi(v.yil, v.ay), 1.8 * u, yaziTipi(temel, 0.95 * u, true));
    y += 0.5 * u;

    // Columns as wide as their widest text, the font made smaller where the page is too
    // narrow for them; what is left over is shared out.
    const QStringList baslik = basliklar();
    QList<QStringList> satirlar;
    for (const vakit::Day &g : v.gunler)
        satirlar << hucreler(g);
    const int sutunSayisi = static_cast<int>(baslik.size());
    qreal boyut = 0.55 * u;
    QList<qreal> genislik(sutunSayisi, 0);
    for (int deneme = 0; deneme < 2; ++deneme) {
        const QFontMetricsF duz(yaziTipi(temel, boyut, false), p.device());
        const QFontMetricsF kalin(yaziTipi(temel, boyut, true), p.device());
        qreal toplam = 0;
        for (int s = 0; s < sutunSayisi; ++s) {
            genislik[s] = kalin.horizontalAdvance(baslik[s]);
            for (const QStringList &h : satirlar) // bold fits today's row too
                genislik[s] = std::max(genislik[s], kalin.horizontalAdvance(h[s]));
            genislik[s] += boyut * 1.2;
            toplam += genislik[s];
        }
        if (toplam <= alan.width()) {
            for (qreal &g : genislik)
                g += (alan.width() - toplam) / sutunSayisi;
            break;
        }
        boyut *= alan.width() / toplam * 0.98;
    }
    // Column s spans [sol[s], sol[s] + genislik[s]]; the first one stands where lines begin.
    QList<qreal> sol(sutunSayisi, 0);
    qreal x = sagdanSola ? alan.right() : alan.left();
    for (int s = 0; s < sutunSayisi; ++s) {
        sol[s] = sagdanSola ? x - genislik[s] : x;
        x += sagdanSola ? -genislik[s] : genislik[s];
    }

    const qreal tabloUstu = y;
    const qreal baslikYuksekligi = 1.4 * u;
    const qreal ince = std::max<qreal>(1, u / 40);
    const auto hucre = [&](int s, qreal ust, qreal yukseklik, const QString &metin) {
        const QRectF r(sol[s], ust, genislik[s], yukseklik);
        const qreal bosluk = boyut * 0.6;
        p.drawText(s == 0 ? r.adjusted(bosluk, 0, -bosluk, 0) : r,
                   int(Qt::AlignVCenter | (s == 0 ? bas : Qt::Alignment(Qt::AlignHCenter))), metin);
    };

    p.setFont(yaziTipi(temel, boyut, true));
    p.fillRect(QRectF(alan.left(), y, alan.width(), baslikYuksekligi), QColor(225, 225, 225));
    for (int s = 0; s < sutunSayisi; ++s)
        hucre(s, y, baslikYuksekligi, baslik[s]);
    y += baslikYuksekligi;

    for (int i = 0; i < satirlar.size(); ++i) {
        const ravla::CivilDate &t = v.gunler[static_cast<std::size_t>(i)].date;
        const bool bugun = v.bugun == QDate(t.year, t.month, t.day);
        const QRectF r(alan.left(), y, alan.width(), u);
        if (bugun)
            p.fillRect(r, QColor(255, 226, 130));
        else if (i % 2 == 1)
            p.fillRect(r, QColor(243, 243, 243));
        p.setFont(yaziTipi(temel, boyut, bugun));
        for (int s = 0; s < sutunSayisi; ++s)
            hucre(s, y, u, satirlar[i][s]);
        y += u;
    }

    // The grid: a frame, a rule under the headings, thin lines between the columns.
    p.setPen(QPen(QColor(150, 150, 150), ince));
    for (int s = 1; s < sutunSayisi; ++s) {
        const qreal sinir = sagdanSola ? sol[s] + genislik[s] : sol[s];
        p.drawLine(QPointF(sinir, tabloUstu), QPointF(sinir, y));
    }
    p.setPen(QPen(Qt::black, 2 * ince));
    p.drawLine(QPointF(alan.left(), tabloUstu + baslikYuksekligi),
               QPointF(alan.right(), tabloUstu + baslikYuksekligi));
    p.drawRect(QRectF(alan.left(), tabloUstu, alan.width(), y - tabloUstu));

    // The legend, and whose page it is.
    y += 0.6 * u;
    p.setPen(Qt::black);
    p.setFont(yaziTipi(temel, 0.5 * u, false));
    QStringList gunler; // the month's religious days and nights, by date
    for (const vakit::Day &g : v.gunler)
        if (!g.religious.empty())
            gunler << QStringLiteral("%1.%2. %3")
                          .arg(g.date.day, 2, 10, QLatin1Char('0'))
                          .arg(g.date.month, 2, 10, QLatin1Char('0'))
                          .arg(diniGunlerMetni(g.religious));
    QStringList notlar = aciklamalar();
    if (!gunler.isEmpty())
        notlar.prepend(tr("Dini günler ve geceler: %1").arg(gunler.join(QStringLiteral("; "))));
    for (const QString &a : notlar) {
        const QRectF r(alan.left(), y, alan.width(), 1.6 * u);
        QRectF kullanilan;
        p.drawText(r, int(bas) | Qt::AlignTop | Qt::TextWordWrap, a, &kullanilan);
        y += std::max(0.8 * u, kullanilan.height() + 0.15 * u);
    }
    p.setFont(yaziTipi(temel, 0.45 * u, false));
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(alan.left(), alan.bottom() - 0.9 * u, alan.width(), 0.9 * u),
               int(Qt::AlignBottom | son),
               QCoreApplication::translate("QRavla", "Ravla Namaz Vakti"));
    p.restore();
}

bool AylikSayfa::bas(QPagedPaintDevice &aygit, const AylikVeri &veri)
{
    QPainter p;
    if (!p.begin(&aygit))
        return false;
    ciz(p, QRectF(0, 0, aygit.width(), aygit.height()), veri);
    return p.end();
}

bool AylikSayfa::pdfYaz(const QString &yol, const AylikVeri &veri, QString *hata)
{
    // Drawn in memory first, then written whole: a page is a few hundred kilobytes.
    QBuffer sayfa;
    sayfa.open(QIODevice::WriteOnly);
    {
        QPdfWriter yazici(&sayfa);
        yazici.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        yazici.setResolution(300);
        yazici.setCreator(QCoreApplication::translate("QRavla", "Ravla Namaz Vakti"));
        yazici.setTitle(ayBasligi(veri.yil, veri.ay) + QStringLiteral(" \u2014 ") + veri.yer);
        if (!bas(yazici, veri)) {
            if (hata)
                *hata = tr("Sayfa çizilemedi");
            return false;
        }
    }
    return tamYaz(yol, sayfa.data(), hata);
}
