#pragma once

#include "ezanindir.h"
#include "ezanklasorleri.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QToolButton;
class SesArac;
namespace Ui {
class EzanSecClass;
}

// The adhan of each prayer, chosen among the recordings of the adhan folder and kept in
// ayarlar.dat; owns the program's one SesArac, through which the window plays and stops.
// The folders are read when it is built and again after a recording is added, downloaded or
// removed; ayarlar.dat is written by a save alone.
class EzanSec : public QWidget
{
    Q_OBJECT

public:
    explicit EzanSec(QWidget *parent = nullptr);
    ~EzanSec() override;

    // Plays the saved adhan of vakit (1 Fajr .. 5 Isha; any other number the fallback
    // "Mekke.ogg") at duzey percent, stopping whatever played. A recording that cannot be played
    // gives way to the program's own Mekke.ogg, and that to the reminder's tone; calinamadi is
    // then told, once known (from the event loop, where the files open on a thread of their own).
    void EzanCal(int vakit, int duzey, std::function<void()> calinamadi = {});
    void EzanDur();
    SesArac *sesAraci() const { return ses.get(); }

    // What EzanCal plays for vakit 1..5: the saved name, whatever the lists show.
    QString ezanDosyasi(int vakit) const;
    bool testCaliyorMu() const { return testCaliyor; }
    const EzanKlasorleri &klasorleri() const { return klasorler; }

    // Takes the audio file at kaynak into the user's adhan folder, once it plays (it decodes, and
    // lasts 10 s or more) and is under 50 MB; offers it in every list and chooses it for vakit.
    // A file refused, or a name already there that the user does not want replaced, is told
    // and copies nothing.
    bool dosyaEkle(const QString &kaynak, int vakit);
    // Removes a recording the user added, and its attribution text; never a shipped one.
    bool kaydiSil(const QString &ad);
    // Downloads kaynak's recording (through ravla-indir) for vakit; the lists offer it once done.
    void indir(const EzanKaynagi &kaynak, int vakit);
    bool indiriliyorMu() const;
    QList<EzanKaynagi> indirilebilenler() const;

private slots:
    void KaydetSlot();
    void TestSabahOkuToolButton();
    void TestOgleOkuToolButton();
    void TestIkindiOkuToolButton();
    void TestAksamOkuToolButton();
    void TestYatsiOkuToolButton();
    void IptalSlot();
    void SilSlot();

private:
    void EzanDosyalariniListele();
    void EzanAyariniOku();
    void TestDugmeleriniSifirla();
    void testCal(QToolButton *dugme, const QComboBox *kutu);
    QComboBox *kutu(int vakit) const; // vakit 1..5
    void listeSecildi(int vakit, int sira);
    void silDugmesiniAyarla();
    void indirmePenceresi(int vakit);
    void uyar(const QString &baslik, const QString &metin);
    void secVeGoster(int vakit, const QString &ad);
    static QString indirmeHatasi(int sonuc);

    std::unique_ptr<Ui::EzanSecClass> ui;
    std::unique_ptr<SesArac> ses;
    QString ezanDosyalari[5];
    bool testCaliyor = false;
    EzanKlasorleri klasorler;
    int sonVakit = 1; // the prayer whose list was used last: Sil acts on it
    int oncekiSira[5] = {-1, -1, -1, -1,
                         -1}; // each list's last recording, not Ekle... nor İndir...
    EzanIndirici *indirici;
    QPointer<EzanIndirPenceresi> indirPenceresi;
};
