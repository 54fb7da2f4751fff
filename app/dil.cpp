#include "dil.h"

#include "depo.h"
#include "programklasoru.h"

#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace {

struct Secim {
    QString kod;
    int no;
};

// The first run's choice: Arabic, English and German have catalogues; every other language
// runs the Turkish interface under its own locale name.
Secim ilkSecim(const QString &sistemYerelAdi)
{
    if (sistemYerelAdi.startsWith(QLatin1String("ar")))
        return {QStringLiteral("ar_AR"), 1};
    if (sistemYerelAdi.startsWith(QLatin1String("en")))
        return {QStringLiteral("en_EN"), 3};
    if (sistemYerelAdi.startsWith(QLatin1String("de")))
        return {QStringLiteral("de_DE"), 2};
    return {sistemYerelAdi, 0};
}

// A whole number outside 0..3 names no language: the store then counts as never set.
bool gecersizNo(const QVariant &no)
{
    bool sayi = false;
    const qlonglong n = no.toLongLong(&sayi); // toInt() would wrap 2^32 + 1 round to 1
    return no.isValid() && sayi && (n < 0 || n > 3);
}

} // namespace

QString Dil::yerelDilKodu(QSettings &store, const QString &sistemYerelAdi)
{
    const QString kod = store.value(QStringLiteral("Yerel Dil"), QVariant()).toString();
    if (!kod.isEmpty() && !gecersizNo(store.value(QStringLiteral("Dil No"))))
        return kod;

    const Secim secim = ilkSecim(sistemYerelAdi);
    store.setValue(QStringLiteral("Yerel Dil"), secim.kod);
    store.setValue(QStringLiteral("Dil No"), QString::number(secim.no));
    return secim.kod;
}

QString Dil::yerelDilKodu(const QString &sistemYerelAdi)
{
    const std::unique_ptr<QSettings> store = Depo::ac(QLatin1String(kUygulama));
    return store ? yerelDilKodu(*store, sistemYerelAdi) : ilkSecim(sistemYerelAdi).kod;
}

int Dil::dilNo(const QString &sistemYerelAdi)
{
    const std::unique_ptr<QSettings> store = Depo::ac(QLatin1String(kUygulama));
    if (!store) // a store that cannot be opened was never set
        return ilkSecim(sistemYerelAdi).no;
    const QVariant no = store->value(QStringLiteral("Dil No"), QVariant());
    if (gecersizNo(no))
        return ilkSecim(sistemYerelAdi).no;
    return no.toInt(); // missing or malformed: Turkish
}

bool Dil::sec(int dilNo, QString *hata)
{
    static const char *const kodlar[4] = {"tr_TR", "ar_AR", "de_DE", "en_EN"};
    if (dilNo < 0 || dilNo > 3)
        return false;
    const std::unique_ptr<QSettings> store = Depo::ac(QLatin1String(kUygulama));
    if (!store) {
        *hata = Depo::yazilamamaNedeni(Depo::dosyasi(QLatin1String(kUygulama)));
        return false;
    }
    store->setValue(QStringLiteral("Yerel Dil"), QString::fromLatin1(kodlar[dilNo]));
    store->setValue(QStringLiteral("Dil No"), QString::number(dilNo));
    return Depo::kaydet(*store, hata);
}

bool Dil::qtKatalogYukle(QTranslator &cevirmen, const QString &kod)
{
    // "de_DE" and "ar_AR" by their language; the program's own Turkish has no code.
    const QString dil = kod.isEmpty() ? QStringLiteral("tr") : kod.section(QLatin1Char('_'), 0, 0);
    return cevirmen.load(QStringLiteral("qtbase_") + dil,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool Dil::katalogYukle(QTranslator &cevirmen, const QString &kod)
{
    return cevirmen.load(ProgramKlasoru::yol() + QStringLiteral("/Lugat_") + kod);
}
