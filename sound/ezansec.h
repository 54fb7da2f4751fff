#pragma once

#include "ezanklasorleri.h"

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
// Everything on disk is read once, when it is built; ayarlar.dat is written by a save alone.
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

private slots:
    void KaydetSlot();
    void TestSabahOkuToolButton();
    void TestOgleOkuToolButton();
    void TestIkindiOkuToolButton();
    void TestAksamOkuToolButton();
    void TestYatsiOkuToolButton();
    void IptalSlot();

private:
    void EzanDosyalariniListele();
    void EzanAyariniOku();
    void TestDugmeleriniSifirla();
    void testCal(QToolButton *dugme, const QComboBox *kutu);
    QComboBox *kutu(int vakit) const; // vakit 1..5

    std::unique_ptr<Ui::EzanSecClass> ui;
    std::unique_ptr<SesArac> ses;
    QString ezanDosyalari[5];
    bool testCaliyor = false;
    EzanKlasorleri klasorler;
};
