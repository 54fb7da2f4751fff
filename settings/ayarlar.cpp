#include "ayarlar.h"

#include <QSettings>

namespace {

const char *const kOrganizasyon = "Zorva Yazilim";
const char *const kUygulama = "Ravla Ayarlar";

// A stored value that is not of the key's type reads as that type's zero value.
double okuDouble(const QSettings &s, const char *key, double varsayilan)
{
    return s.value(QLatin1String(key), varsayilan).toDouble();
}

int okuInt(const QSettings &s, const char *key, int varsayilan)
{
    return s.value(QLatin1String(key), varsayilan).toInt();
}

bool okuBool(const QSettings &s, const char *key, bool varsayilan)
{
    return s.value(QLatin1String(key), varsayilan).toBool();
}

} // namespace

void Ayarlar::Bagla(double &enlem, double &boylam, int &gmt, QString &ulkeAdi, QString &sehirAdi,
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
}

void Ayarlar::Bagla(AyarDegerleri &d)
{
    Bagla(d.enlem, d.boylam, d.gmt, d.ulkeAdi, d.sehirAdi, d.yazGunBasla, d.yazAyBasla,
          d.yazYilBasla, d.yazGunBitis, d.yazAyBitis, d.yazYilBitis, d.yazSaatiOtomatik,
          d.hesapYontemi, d.ikindiYontemi, d.sabahAci, d.yatsiAci, d.hanefiMezhep,
          d.ozelHesapYontem);
}

void Ayarlar::Oku()
{
    if (!bagli())
        return;
    const QSettings s{QLatin1String(kOrganizasyon), QLatin1String(kUygulama)};
    *enlem_ = okuDouble(s, "Enlem", 49.08);
    *boylam_ = okuDouble(s, "Boylam", 9.14);
    *gmt_ = okuInt(s, "GMT", 1);
    *ulkeAdi_ = s.value(QStringLiteral("UlkeAdi"), QString()).toString();
    *sehirAdi_ = s.value(QStringLiteral("SehirAdi"), QString()).toString();
    *yazSaatiOtomatik_ = okuBool(s, "YazSaatiOtomotikHesap", true);
    *yazGunBasla_ = okuInt(s, "YazGunBaslaTarih", 0);
    *yazAyBasla_ = okuInt(s, "YazAyBaslaTarih", 0);
    *yazYilBasla_ = okuInt(s, "YazYilBaslaTarih", 0);
    *yazGunBitis_ = okuInt(s, "YazGunBitisTarih", 0);
    *yazAyBitis_ = okuInt(s, "YazAyBitisTarih", 0);
    *yazYilBitis_ = okuInt(s, "YazYilBitisTarih", 0);
    *hesapYontemi_ = okuInt(s, "HesapYontemi", 5);
    *ikindiYontemi_ = okuInt(s, "ikindiYontemi", 0);
    *hanefiMezhep_ = okuBool(s, "HanefiMezhep", false);
    *ozelHesapYontem_ = okuBool(s, "OzelHesapYontem", false);
    *sabahAci_ = okuDouble(s, "SabahAci", 0.0);
    *yatsiAci_ = okuDouble(s, "YatsiAci", 0.0);
}

void Ayarlar::Kaydet()
{
    if (!bagli())
        return;
    QSettings s{QLatin1String(kOrganizasyon), QLatin1String(kUygulama)};
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
}
