// Finds, for each JAKIM zone, the point at which code 14 reproduces the zone's published table
// best, and writes data/jakim/zones.csv. Usage: jakimzones TABLES_DIR > data/jakim/zones.csv
// (TABLES_DIR holds jakim-ZONE-2020.csv and zones.csv).

#include "schedule.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace ravla;

namespace {

struct Row {
    CivilDate date;
    int minutes[6]; // -1 where the table has none
};

std::vector<Row> readTable(const std::string &path)
{
    std::vector<Row> rows;
    std::ifstream f(path);
    std::string line;
    while (std::getline(f, line)) {
        int y, mo, d, h[6], m[6];
        if (std::sscanf(line.c_str(), "%d-%d-%d,%d:%d,%d:%d,%d:%d,%d:%d,%d:%d,%d:%d", &y, &mo, &d,
                        &h[0], &m[0], &h[1], &m[1], &h[2], &m[2], &h[3], &m[3], &h[4], &m[4], &h[5],
                        &m[5]) != 15)
            continue;
        Row r{{d, mo, y}, {}};
        for (int i = 0; i < 6; ++i)
            r.minutes[i] = h[i] * 60 + m[i];
        rows.push_back(r);
    }
    return rows;
}

// Signed minutes from the table to code 14 at (lat, lon), per time.
int offBy(const Row &r, int i, const DaySchedule &s)
{
    return s.times[i].hour * 60 + s.times[i].minute - r.minutes[i];
}

// Whether a row's time counts: Subuh before the state followed the 2019 rule runs about 8
// minutes early, and the marked Syuruk slips run 8 to 10 minutes off.
bool counted(int i, int off)
{
    return !(i == 0 && off >= 5) && !(i == 1 && std::abs(off) >= 5);
}

int score(const std::vector<Row> &rows, double lat, double lon)
{
    ScheduleCalculator calc;
    ScheduleInputs in{.date = {}, .methodCode = 14, .dst = {DstRule::None, {}, {}, 0}};
    in.latitude = lat;
    in.longitude = lon;
    in.timeZone = 8;
    int exact = 0;
    for (const Row &r : rows) {
        in.date = r.date;
        const DaySchedule &s = calc.compute(in);
        for (int i = 0; i < 6; ++i) {
            const int off = offBy(r, i, s);
            // Exact rows first, then the near ones break ties.
            if (counted(i, off))
                exact += off == 0 ? 1000 : std::abs(off) == 1 ? 1 : 0;
        }
    }
    return exact;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: jakimzones TABLES_DIR > data/jakim/zones.csv\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::ifstream places(dir + "/zones.csv");
    if (!places) {
        std::fprintf(stderr, "jakimzones: cannot read %s/zones.csv\n", dir.c_str());
        return 1;
    }
    struct Zone {
        std::string state, names;
        double lat = 0, lon = 0;
        int n = 0;
    };
    std::map<std::string, Zone> zones;
    std::string line;
    while (std::getline(places, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("code,", 0) == 0)
            continue;
        std::stringstream ss(line);
        std::string code, state, place, lat, lon;
        std::getline(ss, code, ',');
        std::getline(ss, state, ',');
        std::getline(ss, place, ',');
        std::getline(ss, lat, ',');
        std::getline(ss, lon, ',');
        Zone &z = zones[code];
        z.state = state;
        z.names += (z.n ? ";" : "") + place;
        z.lat += std::stod(lat);
        z.lon += std::stod(lon);
        ++z.n;
    }
    std::printf("# JAKIM zones: code, state, the places JAKIM names (;-separated), and the "
                "reference point (degrees)\n"
                "# fitted to the zone's 2020 e-solat table by tools/jakimzones; GPL-3.0, from\n"
                "# ruqqq/prayertimes-database.\ncode,state,places,latitude,longitude\n");
    for (const auto &[code, z] : zones) {
        const std::vector<Row> rows = readTable(dir + "/jakim-" + code + "-2020.csv");
        if (rows.empty())
            continue; // no 2020 table for the zone
        // Start at the places' centre; search a square, then a tenth of it around the best.
        double lat = z.lat / z.n, lon = z.lon / z.n;
        int best = score(rows, lat, lon);
        for (double step : {0.1, 0.02, 0.004, 0.001}) {
            const double cLat = lat, cLon = lon;
            for (int a = -6; a <= 6; ++a)
                for (int b = -6; b <= 6; ++b) {
                    const double la = cLat + a * step, lo = cLon + b * step;
                    const int s = score(rows, la, lo);
                    if (s > best) {
                        best = s;
                        lat = la;
                        lon = lo;
                    }
                }
        }
        std::printf("%s,%s,%s,%.3f,%.3f\n", code.c_str(), z.state.c_str(), z.names.c_str(), lat,
                    lon);
        std::fflush(stdout);
    }
    return 0;
}
