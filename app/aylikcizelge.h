#pragma once

#include "ayarlar.h"
#include "ayliksayfa.h"
#include "timetable.h"

#include <QWidget>

#include <memory>

class QPrinter;
class QTableWidget;
namespace Ui {
class AylikCizelgeClass;
}

// The month's timetable: a row per day with the Gregorian and Hijri date and the seven times,
// to read, print, and save as PDF, as ravla-vakit's CSV or as a calendar file. Its days come from
// the command line's own computation, so the two never disagree.
class AylikCizelge : public QWidget
{
    Q_OBJECT

public:
    explicit AylikCizelge(QWidget *parent = nullptr);
    ~AylikCizelge() override;

    // The month of today (Saat::simdi()) under these settings; brings the window up. Call it
    // again when the settings change.
    void goster(const AyarDegerleri &ayar);
    // Another month under the settings last given (1..12; other months are ignored).
    void ayGoster(int yil, int ay);

    int yil() const { return aylik.yil; }
    int ay() const { return aylik.ay; }
    const AylikVeri &veri() const { return aylik; }
    const vakit::Run &secenekler() const { return secenek; }
    QTableWidget *tablo() const;
    int bugunSatiri() const; // -1 when today is not in the month shown

    // What the buttons do once the dialog has its answer; false after telling the user why.
    bool pdfKaydet(const QString &yol);
    bool csvKaydet(const QString &yol);
    bool icsKaydet(const QString &yol);
    bool yazdir(QPrinter &yazici);

public slots:
    void oncekiAy();
    void sonrakiAy();
    void yazdirTiklandi();
    void pdfTiklandi();
    void csvTiklandi();
    void takvimTiklandi();

private:
    void tabloyuDoldur();
    // `ad`: the file name offered, without the suffix; empty: "vakitler-2026-10".
    QString dosyaSor(const QString &baslik, const QString &suzgec, const QString &sonek,
                     const QString &ad = QString());
    void hataGoster(const QString &yol, const QString &neden);

    std::unique_ptr<Ui::AylikCizelgeClass> ui;
    vakit::Run secenek;
    QString yer;
    AylikVeri aylik;
};
