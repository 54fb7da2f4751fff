#pragma once

// A JAKIM zone's published year (jakim-ZONE-YEAR.csv) and how code 14 at a point compares with
// it. Shared by the fit tool and its test, so that both count the same rows.

#include "schedule.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace ravla::jakim {

struct TableRow {
    CivilDate date;
    int minutes[6];  // Subuh, Syuruk, Zohor, Asar, Maghrib, Isyak, minutes of the day
    bool counted[6]; // false: a row the comparison leaves out
};

struct Slip {
    const char *zone;
    int time;
    CivilDate first, last;
};

// Rows the table's notes mark as slips: Syuruk of a whole month shifted 8 to 10 minutes
// against the neighbouring zones and the rest of the year.
inline constexpr Slip kSlips[] = {
    {"KDH06", 1, {1, 3, 2020}, {31, 3, 2020}},
    {"KDH07", 1, {1, 12, 2020}, {31, 12, 2020}},
};

inline long dayKey(const CivilDate &d)
{
    return d.year * 10000L + d.month * 100L + d.day;
}

// Reads a zone's table. Subuh rows on the rule before the 2019 change are left out: the
// changeovers are the Subuh steps of 7 minutes or more from one day to the next (the new rule
// is 7-10 minutes later), and a table whose first step is back to the old rule started on the
// new one.
inline std::vector<TableRow> readTable(const std::string &path, const std::string &zone)
{
    std::vector<TableRow> rows;
    std::ifstream f(path);
    std::string line;
    while (std::getline(f, line)) {
        int y, mo, d, h[6], m[6];
        if (std::sscanf(line.c_str(), "%d-%d-%d,%d:%d,%d:%d,%d:%d,%d:%d,%d:%d,%d:%d", &y, &mo, &d,
                        &h[0], &m[0], &h[1], &m[1], &h[2], &m[2], &h[3], &m[3], &h[4], &m[4], &h[5],
                        &m[5]) != 15)
            continue;
        TableRow r{{d, mo, y}, {}, {}};
        for (int i = 0; i < 6; ++i) {
            r.minutes[i] = h[i] * 60 + m[i];
            r.counted[i] = true;
        }
        for (const Slip &s : kSlips)
            if (zone == s.zone && dayKey(s.first) <= dayKey(r.date) &&
                dayKey(r.date) <= dayKey(s.last))
                r.counted[s.time] = false;
        rows.push_back(r);
    }
    int firstStep = 0;
    for (size_t k = 1; k < rows.size() && firstStep == 0; ++k) {
        const int step = rows[k].minutes[0] - rows[k - 1].minutes[0];
        if (std::abs(step) >= 7)
            firstStep = step;
    }
    bool newRule = firstStep <= 0;
    for (size_t k = 0; k < rows.size(); ++k) {
        if (k > 0) {
            const int step = rows[k].minutes[0] - rows[k - 1].minutes[0];
            if (step >= 7)
                newRule = true;
            else if (step <= -7)
                newRule = false;
        }
        rows[k].counted[0] = rows[k].counted[0] && newRule;
    }
    return rows;
}

struct Figures {
    int rows[6] = {}, exact[6] = {}, within[6] = {};
};

// Code 14 at the point against the table's counted rows.
inline Figures compare(const std::vector<TableRow> &rows, double latitude, double longitude,
                       double elevation)
{
    ScheduleCalculator calc;
    ScheduleInputs in;
    in.methodCode = 14;
    in.dst = {DstRule::None, {}, {}, 0};
    in.latitude = latitude;
    in.longitude = longitude;
    in.elevation = elevation;
    in.timeZone = 8;
    Figures f;
    for (const TableRow &r : rows) {
        in.date = r.date;
        const DaySchedule &s = calc.compute(in);
        for (int i = 0; i < 6; ++i) {
            if (!r.counted[i])
                continue;
            const int off = s.times[i].hour * 60 + s.times[i].minute - r.minutes[i];
            ++f.rows[i];
            f.exact[i] += off == 0;
            f.within[i] += std::abs(off) <= 1;
        }
    }
    return f;
}

} // namespace ravla::jakim
