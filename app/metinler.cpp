#include "metinler.h"

#include <QTime>

namespace {

bool bilinir(int dilNo)
{
    return dilNo >= 0 && dilNo <= 3;
}

} // namespace

QString Metinler::kalanSure(int dilNo, int parca)
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
    return bilinir(dilNo) && parca >= 0 && parca < 7 ? QString::fromUtf8(cumleler[dilNo][parca])
                                                     : QString();
}

QString Metinler::ezan(int dilNo, bool vakitGeldi)
{
    static const char *const mesajlar[4][2] = {
        {"Namaz Vakti", "Ezan Okunuyor"},
        {"حان وقت صلاة", "الأذان يدعى"},
        {"Zeit zum Beten", "Der Gebetsruf wird ausgerufen"},
        {"It is time for prayer", "Adhan is called"},
    };
    return bilinir(dilNo) ? QString::fromUtf8(mesajlar[dilNo][vakitGeldi ? 0 : 1]) : QString();
}

QString Metinler::hatirlatmaBasligi(int dilNo)
{
    static const char *const basliklar[4] = {"Hatırlatma", "تذكير", "Erinnerung", "Reminder"};
    return bilinir(dilNo) ? QString::fromUtf8(basliklar[dilNo]) : QString();
}

QString Metinler::hatirlatma(int dilNo, int vakit, int dakika)
{
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
    if (!bilinir(dilNo) || vakit < 1 || vakit > 6)
        return QString::number(dakika);
    return QString::fromUtf8(metinler[dilNo][vakit - 1]).arg(dakika);
}

QString Metinler::vakitAdi(int dilNo, int vakit)
{
    static const char *const adlar[4][5] = {
        {"Sabah", "Öğle", "İkindi", "Akşam", "Yatsı"},
        {"الفجر", "الظهر", "العصر", "المغرب", "العشاء"},
        {"Fadschr", "Dhuhr", "Asr", "Maghrib", "Ischa"},
        {"Fajr", "Dhuhr", "Asr", "Maghrib", "Isha"},
    };
    return bilinir(dilNo) && vakit >= 1 && vakit <= 5 ? QString::fromUtf8(adlar[dilNo][vakit - 1])
                                                      : QString();
}

QString Metinler::vakitBildirimi(int dilNo, int vakit, qint64 anMs)
{
    const QString ad = vakitAdi(dilNo, vakit);
    if (ad.isEmpty())
        return QString();
    const QTime an = QTime::fromMSecsSinceStartOfDay(int(anMs % 86400000));
    return ad + QLatin1Char(' ') + an.toString(QStringLiteral("hh:mm"));
}

QString Metinler::ipucu(int dilNo, int vakit, qint64 hedefMs, int saat, int dakika)
{
    static const char *const kalan[4] = {"%1 saat %2 dakika", "%1 ساعة %2 دقيقة", "%1 Std. %2 Min.",
                                         "%1 h %2 min"};
    if (!bilinir(dilNo) || vakit < 1 || vakit > 5)
        return QString();
    const QTime an = QTime::fromMSecsSinceStartOfDay(int(hedefMs % 86400000));
    return vakitAdi(dilNo, vakit) + QLatin1Char(' ') + an.toString(QStringLiteral("hh:mm")) +
           QStringLiteral(" — ") + QString::fromUtf8(kalan[dilNo]).arg(saat).arg(dakika);
}

QString Metinler::tepsiMenusu(int dilNo, int eylem)
{
    static const char *const metinler[4][4] = {
        {"Gizle", "Göster", "Çıkıs", "Aylık Vakitler"},
        {"اخفِ", "أظهر", "أغلق", "المواقيت الشهرية"},
        {"Ausblenden", "Anzeigen", "Beenden", "Monatliche Gebetszeiten"},
        {"hide", "display", "Quit", "Monthly prayer times"},
    };
    return bilinir(dilNo) && eylem >= 0 && eylem < 4 ? QString::fromUtf8(metinler[dilNo][eylem])
                                                     : QString();
}

QString Metinler::dilDegistiBasligi(int dilNo)
{
    static const char *const basliklar[4] = {"Bilgi", "المعلومات", "Information", "information"};
    return bilinir(dilNo) ? QString::fromUtf8(basliklar[dilNo]) : QString();
}

QString Metinler::dilDegisti(int dilNo)
{
    static const char *const mesajlar[4] = {
        "Değişiklikler program yeniden başladığızı zaman etkin olacaktır!",
        "! يجب عليك إعادة تشغيل البرنامج ليتم تنفيذ التعديلات التي طلبتها",
        "Änderung wird erst nach Neustart des Programms wirksam!",
        "Please restart Ravla for all the changes to take effect!",
    };
    return bilinir(dilNo) ? QString::fromUtf8(mesajlar[dilNo]) : QString();
}

QString Metinler::gorusSorusu(int dilNo)
{
    static const char *const sorular[4] = {
        "Ravla programını beğendinizmi?", "هل أعجبك هذا البرنامج ؟",
        "Wie hat Ihnen Ravla gefallen?", "How do you like Ravla program?"};
    return bilinir(dilNo) ? QString::fromUtf8(sorular[dilNo]) : QString();
}

QString Metinler::gorusAdresi(int dilNo)
{
    static const char *const adresler[4] = {
        "yorumlarınızı bu mail adresine gönderin", "ارسال رأيك الى هذا العنوان",
        "Schicken Sie Ihre Meinung an diese EMail Adresse", "Send your comments to this address"};
    return bilinir(dilNo) ? QString::fromUtf8(adresler[dilNo]) : QString();
}
