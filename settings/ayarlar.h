#pragma once

#include <QString>
#include <QVariant>

// Both of the program's settings stores (this one and the language store) carry this name.
inline constexpr char kOrganizasyon[] = "Zorva Yazilim";

// The place and calculation settings. The main window owns one set for the whole run;
// the options dialog writes it and Ayarlar copies it to and from the store.
struct AyarDegerleri {
    double enlem = 49.08;
    double boylam = 9.14;
    double gmt = 1; // hours east of UTC; 5.5 for India
    QString ulkeAdi;
    QString sehirAdi;
    bool yazSaatiOtomatik = true;
    int yazGunBasla = 0;
    int yazAyBasla = 0;
    int yazYilBasla = 0;
    int yazGunBitis = 0;
    int yazAyBitis = 0;
    int yazYilBitis = 0;
    int hesapYontemi = 5;
    int ikindiYontemi = 0; // kept and written back; nothing computes with it
    bool hanefiMezhep = false;
    bool ozelHesapYontem = false;
    double sabahAci = 0.0;
    double yatsiAci = 0.0;
    // The place's IANA zone ("Europe/Istanbul") when it came from the city list: while daylight
    // saving is automatic, that zone's real rules apply. Empty for a place typed in by hand.
    QString saatDilimi;
    // The user's own minutes on top of the method's, -30..30, in the schedule's order: Fajr,
    // sunrise, Dhuhr, Asr, Maghrib, Isha, İmsak.
    int dakikalar[7] = {};
    int yuksekEnlemKurali = 0; // 0 nearest day, 1 middle of the night, 2 a seventh, 3 angle/60
    int hicriDuzeltme = 0;     // days, -2..2
    // Minutes before İmsak, Fajr, Dhuhr, Asr, Maghrib and Isha that a reminder comes, 5..60;
    // 0 is off.
    int hatirlat[6] = {};
    bool hatirlatmaSesi = false; // a soft tone with the reminder
    int bildirimSekli = 0;       // 0 the sliding window, 1 a desktop notification, 2 both
    int hicriTakvim = 0;         // 0 tabular, 1 Diyanet, 2 Umm al-Qura (ravla::HijriCalendar)

    bool operator==(const AyarDegerleri &) const = default;
};

// A stored value read as its key's type. An absent value, a number that is not finite or lies
// outside [alt, ust], and a yes/no value holding anything but true/false/1/0 give the default;
// text that is no number at all reads as zero.
namespace AyarDonusumu {
double sayi(const QVariant &deger, double varsayilan, double alt, double ust);
int tamSayi(const QVariant &deger, int varsayilan, int alt, int ust);
bool evetHayir(const QVariant &deger, bool varsayilan);
// Keys added since: anything but a whole number in [alt, ust] gives the default.
int secenek(const QVariant &deger, int varsayilan, int alt, int ust);
} // namespace AyarDonusumu

// The place and calculation settings in the per-user settings store ("Zorva Yazilim",
// "Ravla Ayarlar"), read and written as one value.
class Ayarlar
{
public:
    // Every key. An absent key, a number that is not finite or lies outside the key's range,
    // and a yes/no key holding anything but true/false/1/0 give the key's default; text that
    // is no number at all reads as zero. Reading never writes.
    AyarDegerleri Oku() const;
    // Whether anything was ever stored: before that, the program is on its first run.
    static bool kayitVar();
    // Writes every key. False when the store did not take them; `hata()` then says why, in
    // the interface language, and what was stored before is still there.
    bool Kaydet(const AyarDegerleri &degerler);
    const QString &hata() const { return hata_; }

private:
    QString hata_;
};
