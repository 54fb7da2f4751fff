#include "dinigunmetni.h"

#include <QCoreApplication>

QString diniGunMetni(ravla::DiniGun gun)
{
    // The two Arefe days read alike in Turkish; the comment tells the catalogues which is which.
    static const char *const adlar[][2] = {
        {QT_TRANSLATE_NOOP("DiniGunler", "Üç Ayların Başlangıcı"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Regaib Kandili"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Miraç Kandili"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Berat Kandili"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Ramazan Başlangıcı"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Kadir Gecesi"), nullptr},
        QT_TRANSLATE_NOOP3("DiniGunler", "Arefe", "Ramazan Bayramı"),
        {QT_TRANSLATE_NOOP("DiniGunler", "Ramazan Bayramı 1. Gün"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Ramazan Bayramı 2. Gün"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Ramazan Bayramı 3. Gün"), nullptr},
        QT_TRANSLATE_NOOP3("DiniGunler", "Arefe", "Kurban Bayramı"),
        {QT_TRANSLATE_NOOP("DiniGunler", "Kurban Bayramı 1. Gün"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Kurban Bayramı 2. Gün"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Kurban Bayramı 3. Gün"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Kurban Bayramı 4. Gün"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Hicri Yılbaşı"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Aşure Günü"), nullptr},
        {QT_TRANSLATE_NOOP("DiniGunler", "Mevlid Kandili"), nullptr},
    };
    const auto &ad = adlar[static_cast<int>(gun)];
    return QCoreApplication::translate("DiniGunler", ad[0], ad[1]);
}

QString diniGunlerMetni(const std::vector<ravla::DiniGun> &gunler)
{
    QStringList adlar;
    for (ravla::DiniGun g : gunler)
        adlar << diniGunMetni(g);
    return adlar.join(QStringLiteral(", "));
}
