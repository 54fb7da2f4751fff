#include "ayarlar.h"

#include "depo.h"
#include "schedule.h"

#include <QSettings>

#include <cmath>
#include <limits>

namespace {

const char *const kUygulama = "Ravla Ayarlar";

} // namespace

// A hand-edited or damaged store must not reach the engine with "nan" or a latitude of 400.
double AyarDonusumu::sayi(const QVariant &v, double varsayilan, double alt, double ust)
{
    if (!v.isValid())
        return varsayilan;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!std::isfinite(d)) // "nan", "inf", and "1e400", which overflows
        return varsayilan;
    if (!ok)
        return 0.0;
    return d >= alt && d <= ust ? d : varsayilan;
}

int AyarDonusumu::tamSayi(const QVariant &v, int varsayilan, int alt, int ust)
{
    if (!v.isValid())
        return varsayilan;
    // 64 bits: Qt's toInt() wraps 4294967304 round to 8 and calls it a success.
    bool ok = false;
    const qlonglong i = v.toLongLong(&ok);
    if (ok)
        return i >= alt && i <= ust ? static_cast<int>(i) : varsayilan;
    // Not a whole number: one that is not finite or out of range reads as the default, any
    // other text as zero.
    const double d = v.toDouble(&ok);
    if (!std::isfinite(d) || (ok && (d < alt || d > ust)))
        return varsayilan;
    return 0;
}

bool AyarDonusumu::evetHayir(const QVariant &v, bool varsayilan)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString metin = v.toString().trimmed().toLower();
    if (metin == QLatin1String("true") || metin == QLatin1String("1"))
        return true;
    if (metin == QLatin1String("false") || metin == QLatin1String("0"))
        return false;
    return varsayilan; // also "evet", and an absent key
}

int AyarDonusumu::secenek(const QVariant &v, int varsayilan, int alt, int ust)
{
    bool ok = false;
    const qlonglong i = v.toLongLong(&ok);
    return ok && i >= alt && i <= ust ? static_cast<int>(i) : varsayilan;
}

namespace {

// Keys of the settings added since the first eighteen, in the schedule's order of its times.
const char *const kDakikaAnahtarlari[7] = {"DakikaSabah",  "DakikaGunes", "DakikaOgle",
                                           "DakikaIkindi", "DakikaAksam", "DakikaYatsi",
                                           "DakikaImsak"};

const char *const kHatirlatmaAnahtarlari[6] = {"HatirlatImsak",  "HatirlatSabah", "HatirlatOgle",
                                               "HatirlatIkindi", "HatirlatAksam", "HatirlatYatsi"};

// A store that could not be opened reads as an empty one.
class Okuyucu
{
public:
    explicit Okuyucu(const QSettings *s) : s(s) {}
    QVariant value(const QString &key) const { return s ? s->value(key) : QVariant(); }

private:
    const QSettings *s;
};

double okuDouble(const Okuyucu &s, const char *key, double varsayilan, double alt, double ust)
{
    return AyarDonusumu::sayi(s.value(QLatin1String(key)), varsayilan, alt, ust);
}

int okuInt(const Okuyucu &s, const char *key, int varsayilan,
           int alt = std::numeric_limits<int>::min(), int ust = std::numeric_limits<int>::max())
{
    return AyarDonusumu::tamSayi(s.value(QLatin1String(key)), varsayilan, alt, ust);
}

bool okuBool(const Okuyucu &s, const char *key, bool varsayilan)
{
    return AyarDonusumu::evetHayir(s.value(QLatin1String(key)), varsayilan);
}

} // namespace

void Ayarlar::Bagla(double &enlem, double &boylam, double &gmt, QString &ulkeAdi, QString &sehirAdi,
                    int &yazGunBasla, int &yazAyBasla, int &yazYilBasla, int &yazGunBitis,
                    int &yazAyBitis, int &yazYilBitis, bool &yazSaatiOtomatik, int &hesapYontemi,
                    int &ikindiYontemi, double &sabahAci, double &yatsiAci, bool &hanefiMezhep,
                    bool &ozelHesapYontem)
{
    enlem_ = &enlem;
    boylam_ = &boylam;
    gmt_ = &gmt;
    ulkeAdi_ = &ulkeAdi;
    sehirAdi_ = &sehirAdi;
    yazGunBasla_ = &yazGunBasla;
    yazAyBasla_ = &yazAyBasla;
    yazYilBasla_ = &yazYilBasla;
    yazGunBitis_ = &yazGunBitis;
    yazAyBitis_ = &yazAyBitis;
    yazYilBitis_ = &yazYilBitis;
    yazSaatiOtomatik_ = &yazSaatiOtomatik;
    hesapYontemi_ = &hesapYontemi;
    ikindiYontemi_ = &ikindiYontemi;
    sabahAci_ = &sabahAci;
    yatsiAci_ = &yatsiAci;
    hanefiMezhep_ = &hanefiMezhep;
    ozelHesapYontem_ = &ozelHesapYontem;
    eklenenler_ = nullptr;
}

void Ayarlar::Bagla(AyarDegerleri &d)
{
    Bagla(d.enlem, d.boylam, d.gmt, d.ulkeAdi, d.sehirAdi, d.yazGunBasla, d.yazAyBasla,
          d.yazYilBasla, d.yazGunBitis, d.yazAyBitis, d.yazYilBitis, d.yazSaatiOtomatik,
          d.hesapYontemi, d.ikindiYontemi, d.sabahAci, d.yatsiAci, d.hanefiMezhep,
          d.ozelHesapYontem);
    eklenenler_ = &d;
}

void Ayarlar::Oku()
{
    if (!bagli())
        return;
    const std::unique_ptr<QSettings> depo = Depo::ac(QLatin1String(kUygulama));
    const Okuyucu s(depo.get());
    *enlem_ = okuDouble(s, "Enlem", 49.08, -90, 90);
    *boylam_ = okuDouble(s, "Boylam", 9.14, -180, 180);
    *gmt_ = okuDouble(s, "GMT", 1, -15, 15); // whole hours in stores of older versions
    *ulkeAdi_ = s.value(QStringLiteral("UlkeAdi")).toString();
    *sehirAdi_ = s.value(QStringLiteral("SehirAdi")).toString();
    *yazSaatiOtomatik_ = okuBool(s, "YazSaatiOtomotikHesap", true);
    *yazGunBasla_ = okuInt(s, "YazGunBaslaTarih", 0);
    *yazAyBasla_ = okuInt(s, "YazAyBaslaTarih", 0);
    *yazYilBasla_ = okuInt(s, "YazYilBaslaTarih", 0);
    *yazGunBitis_ = okuInt(s, "YazGunBitisTarih", 0);
    *yazAyBitis_ = okuInt(s, "YazAyBitisTarih", 0);
    *yazYilBitis_ = okuInt(s, "YazYilBitisTarih", 0);
    *hesapYontemi_ = okuInt(s, "HesapYontemi", 5, 0, ravla::kMethodCount);
    *ikindiYontemi_ = okuInt(s, "ikindiYontemi", 0);
    *hanefiMezhep_ = okuBool(s, "HanefiMezhep", false);
    *ozelHesapYontem_ = okuBool(s, "OzelHesapYontem", false);
    *sabahAci_ = okuDouble(s, "SabahAci", 0.0, 0, 90);
    *yatsiAci_ = okuDouble(s, "YatsiAci", 0.0, 0, 90);
    if (eklenenler_) {
        eklenenler_->saatDilimi = s.value(QStringLiteral("SaatDilimi")).toString();
        for (int i = 0; i < 7; ++i)
            eklenenler_->dakikalar[i] =
                AyarDonusumu::secenek(s.value(QLatin1String(kDakikaAnahtarlari[i])), 0,
                                      -ravla::kMaxOffsetMinutes, ravla::kMaxOffsetMinutes);
        eklenenler_->yuksekEnlemKurali =
            AyarDonusumu::secenek(s.value(QStringLiteral("YuksekEnlemKurali")), 0, 0, 3);
        eklenenler_->hicriDuzeltme =
            AyarDonusumu::secenek(s.value(QStringLiteral("HicriDuzeltme")), 0,
                                  -ravla::kMaxHijriOffset, ravla::kMaxHijriOffset);
        for (int i = 0; i < 6; ++i) // anything but 5..60 minutes is off
            eklenenler_->hatirlat[i] =
                AyarDonusumu::secenek(s.value(QLatin1String(kHatirlatmaAnahtarlari[i])), 0, 5, 60);
        eklenenler_->hatirlatmaSesi =
            AyarDonusumu::evetHayir(s.value(QStringLiteral("HatirlatmaSesi")), false);
    }
}

bool Ayarlar::Kaydet()
{
    hata_.clear();
    if (!bagli())
        return true;
    const std::unique_ptr<QSettings> depo = Depo::ac(QLatin1String(kUygulama));
    if (!depo) {
        hata_ = Depo::yazilamamaNedeni(Depo::dosyasi(QLatin1String(kUygulama)));
        return false;
    }
    QSettings &s = *depo;
    s.setValue(QStringLiteral("Enlem"), *enlem_);
    s.setValue(QStringLiteral("Boylam"), *boylam_);
    s.setValue(QStringLiteral("GMT"), *gmt_);
    s.setValue(QStringLiteral("UlkeAdi"), *ulkeAdi_);
    s.setValue(QStringLiteral("SehirAdi"), *sehirAdi_);
    s.setValue(QStringLiteral("YazSaatiOtomotikHesap"), *yazSaatiOtomatik_);
    s.setValue(QStringLiteral("YazGunBaslaTarih"), *yazGunBasla_);
    s.setValue(QStringLiteral("YazAyBaslaTarih"), *yazAyBasla_);
    s.setValue(QStringLiteral("YazYilBaslaTarih"), *yazYilBasla_);
    s.setValue(QStringLiteral("YazGunBitisTarih"), *yazGunBitis_);
    s.setValue(QStringLiteral("YazAyBitisTarih"), *yazAyBitis_);
    s.setValue(QStringLiteral("YazYilBitisTarih"), *yazYilBitis_);
    s.setValue(QStringLiteral("HesapYontemi"), *hesapYontemi_);
    s.setValue(QStringLiteral("ikindiYontemi"), *ikindiYontemi_);
    s.setValue(QStringLiteral("HanefiMezhep"), *hanefiMezhep_);
    s.setValue(QStringLiteral("OzelHesapYontem"), *ozelHesapYontem_);
    s.setValue(QStringLiteral("SabahAci"), *sabahAci_);
    s.setValue(QStringLiteral("YatsiAci"), *yatsiAci_);
    if (eklenenler_) {
        s.setValue(QStringLiteral("SaatDilimi"), eklenenler_->saatDilimi);
        for (int i = 0; i < 7; ++i)
            s.setValue(QLatin1String(kDakikaAnahtarlari[i]), eklenenler_->dakikalar[i]);
        s.setValue(QStringLiteral("YuksekEnlemKurali"), eklenenler_->yuksekEnlemKurali);
        s.setValue(QStringLiteral("HicriDuzeltme"), eklenenler_->hicriDuzeltme);
        for (int i = 0; i < 6; ++i)
            s.setValue(QLatin1String(kHatirlatmaAnahtarlari[i]), eklenenler_->hatirlat[i]);
        s.setValue(QStringLiteral("HatirlatmaSesi"), eklenenler_->hatirlatmaSesi);
    }
    return Depo::kaydet(s, &hata_);
}
