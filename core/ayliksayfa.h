#pragma once

#include "timetable.h"

#include <QCoreApplication>
#include <QDate>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// One month as the page and the month window show it.
struct AylikVeri {
    int yil = 0;
    int ay = 0;     // 1..12
    QString yer;    // the heading: the place's name, or its coordinates
    QString konum;  // coordinates and time zone
    QString yontem; // the method
    std::vector<vakit::Day> gunler;
    QDate bugun; // its row stands out when it falls in the month; invalid: none does
};

// The month's timetable on one page, drawn for the printer, a PDF file and ravla-vakit alike.
// Its words go through the catalogues; under a right-to-left language the page reads from the
// right.
class AylikSayfa
{
    Q_DECLARE_TR_FUNCTIONS(AylikSayfa)

public:
    // The month's days as ravla-vakit computes them, with the texts around them. An empty `yer`
    // heads the page with the coordinates.
    static AylikVeri veri(const vakit::Run &secenekler, int yil, int ay, const QString &yer);

    static QStringList basliklar();                     // the nine column headings
    static QStringList hucreler(const vakit::Day &gun); // a day's nine cells
    // "05:32"; "05:32*" for an estimate; "—" for a time the day does not have. The minutes are
    // cut, not rounded, as the main window shows them.
    static QString vakitMetni(const ravla::PrayerTime &vakit);
    static QString tarihMetni(const ravla::CivilDate &tarih); // "Pzt 01.02.2027"
    static QString ayBasligi(int yil, int ay);                // "Şubat 2027"
    static QString yontemMetni(const vakit::Run &secenekler);
    static QString konumMetni(const vakit::Run &secenekler);
    static QStringList aciklamalar(); // the legend: what * and — mean

    // Draws the page into `alan` of the painter's device.
    static void ciz(QPainter &ressam, const QRectF &alan, const AylikVeri &veri);
    // One page on a printer or a PDF writer; false when the device cannot be painted on.
    static bool bas(QPagedPaintDevice &aygit, const AylikVeri &veri);
    // An A4 portrait PDF with its fonts embedded, written whole or not at all; on failure
    // `hata` says why.
    static bool pdfYaz(const QString &yol, const AylikVeri &veri, QString *hata = nullptr);
};
