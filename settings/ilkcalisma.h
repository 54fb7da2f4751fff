#pragma once

#include "ayarlar.h"

#include <QString>

// The place and method of a first start, before the user has chosen anything.
struct IlkCalisma {
    AyarDegerleri ayar;
    // True when the place came from the system's time zone; false for the built-in place, which
    // then carries the name of the database's place nearest to it.
    bool saatDiliminden = false;
};

// The system zone's main city ("Europe/Istanbul" → İstanbul), with its zone and its country's
// own method where the database has that city; else the built-in values, named.
IlkCalisma ilkCalismaAyarlari(const QString &klasor, const QString &sistemSaatDilimi, int yil);
