#pragma once

#include "ayarlar.h"
#include "timetable.h"

// The window's settings as ravla-vakit's options: the main window, the month window and the
// command line then build each day's inputs the same way (vakit::inputsFor), so that the three
// never disagree. Date, run and format are left for the caller.
vakit::Run ayarlardanSecenekler(const AyarDegerleri &ayar);

namespace JakimBolge {
struct Bolge;
struct Eslesme;
} // namespace JakimBolge

// Puts the run at the JAKIM zone's reference point (code 14 in Malaysia): its heading names the
// zone, and a place the zone does not name says whose zone it took.
void jakimBolgesineKoy(vakit::Run &o, const JakimBolge::Eslesme &eslesme);

// The window's place with code 14: the zone of a Malaysian place of the city list, or of a place
// typed in near one; none for anything else.
JakimBolge::Eslesme ayarinJakimBolgesi(const AyarDegerleri &ayar);
