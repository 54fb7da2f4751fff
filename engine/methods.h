#pragma once

// The calculation methods: what a method code stands for and the settings it starts from.

namespace ravla {

// What to do where the Sun does not sink to a twilight angle, or does so too near midnight. The
// night runs from sunset to the next sunrise; the portion rules keep Fajr no earlier than that
// portion of the night before sunrise and Isha no later than that portion after sunset.
enum class HighLatitudeRule {
    Nearest,       // only a missing Fajr or Isha: taken from the nearest day that has it
    MiddleOfNight, // a half
    OneSeventh,    // a seventh
    TwilightAngle, // the angle / 60
};

struct PrayerMethod {
    double fajrAngle = 0;
    double ishaAngle = 0;
    double imsakAngle = 1.5; // 0: İmsak is Fajr itself
    int ishaInterval = 0;
    int asrFactor = 1;
    HighLatitudeRule highLatitudeRule = HighLatitudeRule::Nearest;
    int adjustOn = 0;
    double minuteAdjust[6] = {};

    // The national methods (codes 8 and up). Left at their defaults, a time comes out exactly as
    // the first seven methods have always computed it.
    double maghribAngle = 0;             // Maghrib when the Sun is this far down; 0: at sunset
    int ramadanIshaInterval = 0;         // ishaInterval in Ramadan; 0: the same all year
    bool twilightAtEvent = false;        // Fajr, Isha and maghribAngle where the Sun really is then
    bool asrAtEvent = false;             // Asr with the declination of its own moment
    bool riseSetByHourAngle = false;     // sunrise and sunset from the day's declination alone
    bool sunAtUniversalMidnight = false; // that declination and the transit from 0h UT's Sun
    bool diyanetBeyond45 = false; // İmsak and Yatsı by Diyanet's rule beyond 45 deg (diyanet.h)
    // Seconds added to each time (PrayerIndex order, İmsak last) before the clock conversion
    // truncates it: the authority's safety minutes and its rounding (+30 s rounds to the nearest
    // minute), and the user's own minutes.
    double shiftSeconds[7] = {};
};

// Codes 1..7 are the conventions the program started with; 8..20 are national authorities as
// they publish their timetables today.
inline constexpr int kMethodCount = 20;
const char *methodName(int code); // the name the dialogs show, or "" outside 1..kMethodCount

void methodDefaults(int code, PrayerMethod &method);

} // namespace ravla
