#pragma once

// Diyanet's times beyond 45 degrees of latitude, where its tables leave the twilight angles for
// İmsak and Yatsı around the summer solstice.

#include "astronomy.h"

#include <vector>

namespace ravla {

inline constexpr double kDiyanetLatitude = 45.0;    // the rule holds beyond it ...
inline constexpr double kDiyanetCapLatitude = 62.0; // ... and beyond this, this latitude's times

struct DiyanetNight {
    double imsak = 0, yatsi = 0;                         // hours of the place's standard clock
    bool imsakEstimated = false, yatsiEstimated = false; // not where the Sun is that day
};

// The rule works on a summer at a time (the days around one solstice), which it keeps: the days
// around one asked for cost a lookup.
class DiyanetSummers
{
public:
    // İmsak and Yatsı of the day whose local midnight is `julianDay`; false at or below 45 deg.
    bool night(const Location &place, double julianDay, DiyanetNight &out);

private:
    struct Day {
        double sunrise, sunset, dawn, dusk; // ordinary times, 0: the Sun does not get there
        bool hasDawn, hasDusk;
    };
    struct Ramp {
        double anchor = 0, start = 0; // day numbers; start == anchor: no ramp
        double target = 0, side = 0;  // side +1: the ordinary time lies after the target
    };
    struct Summer {
        double latitude = 0, longitude = 0, timeZone = 0, elevation = 0;
        long solstice = 0, first = 0; // days[i] is day first + i
        std::vector<Day> days;
        long b1 = 0, b2 = 0; // the last day before true dawn fails, the first after it returns
        double fraction = 0; // of the night from sunset, Yatsı's from B1 to B2
        Ramp yatsiIn, yatsiOut, imsakIn, imsakOut;
        unsigned long lastUse = 0;
    };

    Summer &summerFor(const Location &place, long dayNumber);
    static void build(Summer &s, const Location &place);

    Summer summers_[2];
    unsigned long clock_ = 0;
};

} // namespace ravla
