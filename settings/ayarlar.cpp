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

AyarDegerleri Ayarlar::Oku() const
{
    const std::unique_ptr<QSettings> depo = Depo::ac(QLatin1String(kUygulama));
    const Okuyucu s(depo.get());
    AyarDegerleri d;
    d.enlem = okuDouble(s, "Enlem", 49.08, -90, 90);
    d.boylam = okuDouble(s, "Boylam", 9.14, -180, 180);
    d.gmt = okuDouble(s, "GMT", 1, -15, 15); // whole hours in stores of older versions
    d.ulkeAdi = s.value(QStringLiteral("UlkeAdi")).toString();
    d.sehirAdi = s.value(QStringLiteral("SehirAdi")).toString();
    d.yazSaatiOtomatik = okuBool(s, "YazSaatiOtomotikHesap", true);
    d.yazGunBasla = okuInt(s, "YazGunBaslaTarih", 0);
    d.yazAyBasla = okuInt(s, "YazAyBaslaTarih", 0);
    d.yazYilBasla = okuInt(s, "YazYilBaslaTarih", 0);
    d.yazGunBitis = okuInt(s, "YazGunBitisTarih", 0);
    d.yazAyBitis = okuInt(s, "YazAyBitisTarih", 0);
    d.yazYilBitis = okuInt(s, "YazYilBitisTarih", 0);
    d.hesapYontemi = okuInt(s, "HesapYontemi", 5, 0, ravla::kMethodCount);
    d.ikindiYontemi = okuInt(s, "ikindiYontemi", 0);
    d.hanefiMezhep = okuBool(s, "HanefiMezhep", false);
    d.ozelHesapYontem = okuBool(s, "OzelHesapYontem", false);
    d.sabahAci = okuDouble(s, "SabahAci", 0.0, 0, 90);
    d.yatsiAci = okuDouble(s, "YatsiAci", 0.0, 0, 90);
    d.saatDilimi = s.value(QStringLiteral("SaatDilimi")).toString();
    for (int i = 0; i < 7; ++i)
        d.dakikalar[i] = AyarDonusumu::secenek(s.value(QLatin1String(kDakikaAnahtarlari[i])), 0,
                                               -ravla::kMaxOffsetMinutes, ravla::kMaxOffsetMinutes);
    d.yuksekEnlemKurali =
        AyarDonusumu::secenek(s.value(QStringLiteral("YuksekEnlemKurali")), 0, 0, 3);
    d.hicriDuzeltme = AyarDonusumu::secenek(s.value(QStringLiteral("HicriDuzeltme")), 0,
                                            -ravla::kMaxHijriOffset, ravla::kMaxHijriOffset);
    d.hicriTakvim = AyarDonusumu::secenek(s.value(QStringLiteral("HicriTakvim")), 0, 0,
                                          ravla::kHijriCalendarCount - 1);
    for (int i = 0; i < 6; ++i) // anything but 5..60 minutes is off
        d.hatirlat[i] =
            AyarDonusumu::secenek(s.value(QLatin1String(kHatirlatmaAnahtarlari[i])), 0, 5, 60);
    d.hatirlatmaSesi = AyarDonusumu::evetHayir(s.value(QStringLiteral("HatirlatmaSesi")), false);
    d.bildirimSekli = AyarDonusumu::secenek(s.value(QStringLiteral("BildirimSekli")), 0, 0, 2);
    return d;
}

bool Ayarlar::kayitVar()
{
    const std::unique_ptr<QSettings> depo = Depo::ac(QLatin1String(kUygulama));
    return depo && !depo->allKeys().isEmpty();
}

bool Ayarlar::Kaydet(const AyarDegerleri &d)
{
    hata_.clear();
    const std::unique_ptr<QSettings> depo = Depo::ac(QLatin1String(kUygulama));
    if (!depo) {
        hata_ = Depo::yazilamamaNedeni(Depo::dosyasi(QLatin1String(kUygulama)));
        return false;
    }
    QSettings &s = *depo;
    s.setValue(QStringLiteral("Enlem"), d.enlem);
    s.setValue(QStringLiteral("Boylam"), d.boylam);
    s.setValue(QStringLiteral("GMT"), d.gmt);
    s.setValue(QStringLiteral("UlkeAdi"), d.ulkeAdi);
    s.setValue(QStringLiteral("SehirAdi"), d.sehirAdi);
    s.setValue(QStringLiteral("YazSaatiOtomotikHesap"), d.yazSaatiOtomatik);
    s.setValue(QStringLiteral("YazGunBaslaTarih"), d.yazGunBasla);
    s.setValue(QStringLiteral("YazAyBaslaTarih"), d.yazAyBasla);
    s.setValue(QStringLiteral("YazYilBaslaTarih"), d.yazYilBasla);
    s.setValue(QStringLiteral("YazGunBitisTarih"), d.yazGunBitis);
    s.setValue(QStringLiteral("YazAyBitisTarih"), d.yazAyBitis);
    s.setValue(QStringLiteral("YazYilBitisTarih"), d.yazYilBitis);
    s.setValue(QStringLiteral("HesapYontemi"), d.hesapYontemi);
    s.setValue(QStringLiteral("ikindiYontemi"), d.ikindiYontemi);
    s.setValue(QStringLiteral("HanefiMezhep"), d.hanefiMezhep);
    s.setValue(QStringLiteral("OzelHesapYontem"), d.ozelHesapYontem);
    s.setValue(QStringLiteral("SabahAci"), d.sabahAci);
    s.setValue(QStringLiteral("YatsiAci"), d.yatsiAci);
    s.setValue(QStringLiteral("SaatDilimi"), d.saatDilimi);
    for (int i = 0; i < 7; ++i)
        s.setValue(QLatin1String(kDakikaAnahtarlari[i]), d.dakikalar[i]);
    s.setValue(QStringLiteral("YuksekEnlemKurali"), d.yuksekEnlemKurali);
    s.setValue(QStringLiteral("HicriDuzeltme"), d.hicriDuzeltme);
    s.setValue(QStringLiteral("HicriTakvim"), d.hicriTakvim);
    for (int i = 0; i < 6; ++i)
        s.setValue(QLatin1String(kHatirlatmaAnahtarlari[i]), d.hatirlat[i]);
    s.setValue(QStringLiteral("HatirlatmaSesi"), d.hatirlatmaSesi);
    s.setValue(QStringLiteral("BildirimSekli"), d.bildirimSekli);
    return Depo::kaydet(s, &hata_);
}
