#include "jakimbolge.h"

#include "sehirveritabani.h"

#include <QFile>

#include <cmath>
#include <limits>

// Outside any namespace, as Qt asks.
static void kaynaklariYukle()
{
    Q_INIT_RESOURCE(jakim);
}

namespace JakimBolge {

namespace {

struct Yer {
    QString kod, eyalet, ad, anahtar;
    double enlem = 0, boylam = 0;
};

struct Veri {
    QList<Bolge> bolgeler;
    QList<Yer> yerler;
};

QList<QStringList> csvSatirlari(const QString &yol, int alan)
{
    QList<QStringList> satirlar;
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return satirlar;
    while (!f.atEnd()) {
        const QString satir = QString::fromUtf8(f.readLine()).trimmed();
        if (satir.isEmpty() || satir.startsWith(QLatin1Char('#')) ||
            satir.startsWith(QLatin1String("code,")))
            continue;
        const QStringList p = satir.split(QLatin1Char(','));
        if (p.size() == alan)
            satirlar.push_back(p);
    }
    return satirlar;
}

const Veri &veri()
{
    static const Veri v = [] {
        kaynaklariYukle();
        Veri v;
        for (const QStringList &p : csvSatirlari(QStringLiteral(":/jakim/zones.csv"), 6))
            v.bolgeler.push_back({p[0], p[1], p[2].split(QLatin1Char(';')), p[3].toDouble(),
                                  p[4].toDouble(), std::max(0.0, p[5].toDouble())});
        for (const QStringList &p : csvSatirlari(QStringLiteral(":/jakim/places.csv"), 5))
            v.yerler.push_back({p[0], p[1], p[2], SehirVeritabani::aramaAnahtari(p[2]),
                                p[3].toDouble(), p[4].toDouble()});
        return v;
    }();
    return v;
}

double km(double enlem1, double boylam1, double enlem2, double boylam2)
{
    constexpr double r = M_PI / 180;
    const double a = std::pow(std::sin((enlem2 - enlem1) * r / 2), 2) +
                     std::cos(enlem1 * r) * std::cos(enlem2 * r) *
                         std::pow(std::sin((boylam2 - boylam1) * r / 2), 2);
    return 2 * 6371 * std::asin(std::min(1.0, std::sqrt(a)));
}

// The city database's province as JAKIM names the state.
QString eyaletAnahtari(const QString &il)
{
    const QString k = SehirVeritabani::aramaAnahtari(il);
    return k == QLatin1String("penang") ? QStringLiteral("pulau pinang") : k;
}

// The nearest named place (of the state, where `eyalet` is not empty).
Eslesme enYakin(double enlem, double boylam, const QString &eyalet)
{
    Eslesme e;
    double enAz = std::numeric_limits<double>::infinity();
    const Yer *bulunan = nullptr;
    for (const Yer &y : veri().yerler) {
        if (!eyalet.isEmpty() && SehirVeritabani::aramaAnahtari(y.eyalet) != eyalet)
            continue;
        const double d = km(enlem, boylam, y.enlem, y.boylam);
        if (d < enAz) {
            enAz = d;
            bulunan = &y;
        }
    }
    if (bulunan) {
        e.bolge = koduyla(bulunan->kod);
        e.yakinYer = bulunan->ad;
        e.km = enAz;
        e.enYakin = true;
    }
    return e;
}

} // namespace

const QList<Bolge> &bolgeler()
{
    return veri().bolgeler;
}

const Bolge *koduyla(const QString &kod)
{
    for (const Bolge &b : veri().bolgeler)
        if (b.kod.compare(kod, Qt::CaseInsensitive) == 0)
            return &b;
    return nullptr;
}

QString baslik(const Bolge &b)
{
    return b.kod + QStringLiteral(" — ") + b.yerler.join(QStringLiteral(", "));
}

Eslesme listedekiYer(const QString &ad, const QString &il, double enlem, double boylam)
{
    const QString anahtar = SehirVeritabani::aramaAnahtari(ad);
    const QString eyalet = eyaletAnahtari(il);
    // A name alone may sit in two states (Permatang Kuching is no Kuching): the state decides.
    for (const Yer &y : veri().yerler)
        if (y.anahtar == anahtar &&
            (eyalet.isEmpty() || SehirVeritabani::aramaAnahtari(y.eyalet) == eyalet)) {
            Eslesme e;
            e.bolge = koduyla(y.kod);
            return e;
        }
    // A named place a few kilometres off is the same town whatever the province says (the city
    // list puts Bandar Labuan in Sabah; JAKIM's Labuan is a zone of its own).
    const Eslesme herhangi = enYakin(enlem, boylam, QString());
    if (herhangi.bolge && herhangi.km <= 5)
        return herhangi;
    const Eslesme e = enYakin(enlem, boylam, eyalet);
    return e.bolge ? e : herhangi;
}

Eslesme elleGirilen(double enlem, double boylam, double kmSiniri)
{
    if (!std::isfinite(enlem) || !std::isfinite(boylam))
        return {};
    const Eslesme e = enYakin(enlem, boylam, QString());
    return e.bolge && e.km <= kmSiniri ? e : Eslesme{};
}

bool malezya(const QString &ulke)
{
    return SehirVeritabani::aramaAnahtari(ulke) == QLatin1String("malezya");
}

} // namespace JakimBolge
