#pragma once

#include "ayarlar.h"
#include "timetable.h"

// The window's settings as ravla-vakit's options: the main window, the month window and the
// command line then build each day's inputs the same way (vakit::inputsFor), so that the three
// never disagree. Date, run and format are left for the caller.
vakit::Run ayarlardanSecenekler(const AyarDegerleri &ayar);
