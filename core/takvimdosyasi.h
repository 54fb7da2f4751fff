#pragma once

#include "timetable.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>

// A run of days as an iCalendar file (RFC 5545) for the user's calendar program: one event of
// a quarter of an hour per prayer, at its moment in UTC. The month window and ravla-vakit both
// write it here. Its words go through the catalogues.
class TakvimDosyasi
{
    Q_DECLARE_TR_FUNCTIONS(TakvimDosyasi)

public:
    struct Secim {
        bool imsakVeGunes = false; // İmsak and sunrise as events too, not only the five prayers
        QString yer;               // the place's name for LOCATION; empty: none
        QDateTime damga;           // DTSTAMP; invalid: now
    };

    // The whole file, CRLF line ends, lines folded.
    static QByteArray yaz(const vakit::Run &secenekler, const Secim &secim);

    // The event's title: "Sabah namazı", "Güneş doğuşu".
    static QString vakitAdi(ravla::PrayerIndex vakit);
    // The moment of the day's time, in UTC; empty for a time the day does not have.
    static std::optional<QDateTime> an(const vakit::Run &secenekler, const vakit::Day &gun,
                                       ravla::PrayerIndex vakit);
    // One content line folded at 75 octets, never inside a UTF-8 sequence, with its CRLF.
    static QByteArray katla(const QByteArray &satir);
    // A TEXT value: backslash, comma, semicolon and line breaks escaped, other control
    // characters dropped.
    static QString kacis(const QString &metin);
};
