#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Where the adhan recordings and their preference file ayarlar.dat are. A program folder that
// can be written to (a build folder, a portable copy) holds everything. An installed program's
// folder cannot be: then ayarlar.dat and the user's own recordings live in the user's data
// folder, whose ezan/ is searched before the program's.
struct EzanKlasorleri {
    QStringList ezanKlasorleri; // in the order a name is looked up
    QString ayarDosyasi;        // ayarlar.dat
    bool kullaniciKlasoru = false;

    static EzanKlasorleri bul();

    // The file a bare name from the list or from ayarlar.dat plays: in the first folder that
    // has it, else where the program's folder would have it. Empty for a name that is not a
    // bare file name (a path, "..", control characters): such a name plays nothing.
    QString dosyaYolu(const QString &ad) const;
    static bool yalinAdMi(const QString &ad);

    // Where recordings the user adds or downloads go: the user's folder, or the program's where
    // that is the only one.
    QString eklemeKlasoru() const { return ezanKlasorleri.value(0); }
    // The synthesised placeholders the program ships (tools/ezan), by name.
    static bool yerTutucuMu(const QString &ad);
    // A recording of the user's folder that is not one of the shipped placeholders: one the
    // user put there, which may be removed.
    bool kullanicininMi(const QString &ad) const;
    // Whether ad plays a real recording rather than a shipped placeholder.
    bool gercekMi(const QString &ad) const;

    // The first lines of ayarlar.dat's bytes (at most six), line ends stripped. UTF-8, or what a
    // byte-order mark says (a file an editor saved as UTF-16 still reads). `tamami`: the bytes
    // are the whole file, so a last line without a break counts; else a cut line does not.
    static QStringList ayarSatirlari(const QByteArray &bas, bool tamami);

    // Tests decide whether a folder counts as writable; an empty function restores the real
    // check (whether a file can be created in it, as the save will do).
    static void yazilabilirlikAyarla(std::function<bool(const QString &klasor)> sinama);
};
