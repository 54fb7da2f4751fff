#include "bilgi.h"
#include "dil.h"
#include "sehirveritabani.h"

#include "jakimbolge.h"
#include "vakitsecenekleri.h"

#include "prayertimes.h"
#include "resimler.h"
#include "saatdilimi.h"
#include "ui_bilgi.h"

#include <cmath>

namespace {

QString hakkinda()
{
    // Built from translatable pieces so that every catalogue can carry it.
    const QString baslik = QStringLiteral("<h2>%1 %2</h2>")
                               .arg(QCoreApplication::translate("bilgi", "Ravla Namaz Vakti"),
                                    QStringLiteral(RAVLA_SURUM));
    return baslik +
           QStringLiteral("<p>%1</p><p>%2</p><h3>%3</h3><ul>"
                          "<li>%4</li><li>%5</li><li>%6</li><li>%7</li></ul>"
                          "<h3>%8</h3><ul><li>%9</li><li>%10</li></ul>")
               .arg(QCoreApplication::translate(
                        "bilgi", "Günün namaz vakitlerini gösterir, vakit girince ezanı okur ve "
                                 "kıble yönünü gösterir."),
                    QCoreApplication::translate("bilgi", "Linux ve Windows masaüstleri için."),
                    QCoreApplication::translate("bilgi", "Veri kaynakları"),
                    QCoreApplication::translate(
                        "bilgi", "Güneşin konumu: NREL Güneş Konum Algoritması (SPA), I. Reda ve "
                                 "A. Andreas, 2004; yayımlanmış bilimsel veri."),
                    QCoreApplication::translate("bilgi",
                                                "Şehirler: GeoNames (CC BY 4.0), ülke adları: "
                                                "i18n-iso-countries (MIT)."),
                    QCoreApplication::translate(
                        "bilgi", "Saat dilimleri: IANA saat dilimi veritabanı (kamu malı)."),
                    QCoreApplication::translate(
                        "bilgi", "Hicri takvim: 30 yıllık devreli hesap takvimi; Diyanet'in "
                                 "Birleşik Hicri Takvimi Ay'ın Meeus'a göre "
                                 "(ELP-2000/82) hesaplanan konumuyla; Ümmü'l-Kurâ "
                                 "ICU'dan."),
                    QCoreApplication::translate("bilgi", "Kullanılan kütüphaneler"),
                    QCoreApplication::translate("bilgi", "Qt 6 (LGPL-3.0)"),
                    QCoreApplication::translate("bilgi", "SDL2 ve SDL2_mixer (zlib lisansı)"));
}

} // namespace

bilgi::bilgi(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::bilgiClass>())
{
    resimleriYukle();
    ui->setupUi(this);
    ui->SehirLabelBilgi->setWordWrap(true); // a JAKIM zone's lines below the place
    ui->textEdit->setHtml(hakkinda());
}

bilgi::~bilgi() = default;

void bilgi::BilgileriGoster(const AyarDegerleri &a, bool yazSaati, const QString &hicriTarih)
{
    ui->UlkeLabelBilgi->setText(
        SehirVeritabani::ulkeAdi(SehirVeritabani::klasor(), a.ulkeAdi, Dil::arayuzDili()));
    // With code 14 in Malaysia the times are the JAKIM zone's, at its reference point.
    QString sehir = a.sehirAdi;
    if (const JakimBolge::Eslesme e = ayarinJakimBolgesi(a); e.bolge) {
        sehir += QLatin1Char('\n') + tr("JAKIM bölgesi: %1").arg(JakimBolge::baslik(*e.bolge));
        if (e.enYakin)
            sehir += QLatin1Char('\n') + tr("Bu yeri hiçbir bölge anmıyor: en yakın anılan yer "
                                            "%1 (%2 km), bölgesi onunki.")
                                             .arg(e.yakinYer)
                                             .arg(std::lround(e.km));
        sehir += QLatin1Char('\n') + tr("Vakitler bölgenin referans noktasında hesaplanır: "
                                        "enlem %1, boylam %2.")
                                         .arg(e.bolge->enlem, 0, 'f', 3)
                                         .arg(e.bolge->boylam, 0, 'f', 3);
    }
    ui->SehirLabelBilgi->setText(sehir);
    ui->EnlemLabelBilgi->setText(QString::number(a.enlem, 'g', 6));
    ui->BoylamLabelBilgi->setText(QString::number(a.boylam, 'g', 6));
    // The method's name as the options dialog shows it, in the interface's language.
    const char *ad = ravla::methodName(a.hesapYontemi);
    ui->HesapMetotBilgiLbl->setText(a.ozelHesapYontem ? tr("Özel Yöntem")
                                    : *ad ? QCoreApplication::translate("seceneklerClass", ad)
                                          : QString());
    ui->ikindiMetotBilgiLbl->setText(a.hanefiMezhep ? tr("Hanefi") : tr("Şafi - Maliki - Hanbeli"));
    // "UTC+3, Europe/Istanbul": the offset as the lists write it, and the zone whose clock
    // changes apply.
    QString dilim = QStringLiteral("UTC") + SaatDilimi::ofsetMetni(a.gmt, true);
    if (!a.saatDilimi.isEmpty())
        dilim += QStringLiteral(", ") + a.saatDilimi;
    ui->ZamanDilimBilgiLbl->setText(dilim);
    ui->GunIsikBilgiLbl->setText(yazSaati ? tr("Evet") : tr("Hayır"));
    ui->HicriTarihBilgiLbl->setText(hicriTarih);
}
