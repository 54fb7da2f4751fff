#include "dil.h"

#include "programklasoru.h"

#include <QSettings>
#include <QTranslator>

QString Dil::yerelDilKodu(QSettings &store, const QString &sistemYerelAdi)
{
    QString kod = store.value(QStringLiteral("Yerel Dil"), QVariant()).toString();
    if (!kod.isEmpty())
        return kod;

    QString no = QStringLiteral("0");
    if (sistemYerelAdi.startsWith(QLatin1String("ar"))) {
        kod = QStringLiteral("ar_AR");
        no = QStringLiteral("1");
    } else if (sistemYerelAdi.startsWith(QLatin1String("en"))) {
        kod = QStringLiteral("en_EN");
        no = QStringLiteral("3");
    } else if (sistemYerelAdi.startsWith(QLatin1String("de"))) {
        kod = QStringLiteral("de_DE");
        no = QStringLiteral("2");
    } else {
        // Every other language runs the Turkish interface under its own locale name.
        kod = sistemYerelAdi;
    }
    store.setValue(QStringLiteral("Yerel Dil"), kod);
    store.setValue(QStringLiteral("Dil No"), no);
    return kod;
}

int Dil::dilNo()
{
    const QSettings store{QLatin1String(kOrganizasyon), QLatin1String(kUygulama)};
    return store.value(QStringLiteral("Dil No"), QVariant()).toInt();
}

bool Dil::katalogYukle(QTranslator &cevirmen, const QString &kod)
{
    return cevirmen.load(ProgramKlasoru::yol() + QStringLiteral("/Lugat_") + kod);
}
