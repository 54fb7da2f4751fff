// Finds, for each JAKIM zone, the point (latitude, longitude, height) at which code 14
// reproduces the zone's published table best, and writes data/jakim/zones.csv.
// Usage: jakimzones TABLES_DIR > data/jakim/zones.csv
// (TABLES_DIR holds jakim-ZONE-2020.csv and zones.csv). The result depends on nothing but the
// tables: the same tables give the same file, byte for byte.

#include "jakimtable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace ravla;

namespace {

struct Point {
    double lat = 0, lon = 0;
    int height = 0; // metres
};

// A row to the minute counts two, one within a minute one: where a zone's times disagree with
// one another (they do, see README.md), a time is not given up whole for a few exact minutes
// elsewhere, nor every time moved a minute off to bring one in.
long score(const std::vector<jakim::TableRow> &rows, const Point &p)
{
    const jakim::Figures f = jakim::compare(rows, p.lat, p.lon, p.height);
    long s = 0;
    for (int i = 0; i < 6; ++i)
        s += f.within[i] + f.exact[i];
    return s;
}

// Points are searched where they print: three decimals, whole metres.
double thousandths(double x)
{
    return std::round(x * 1000) / 1000;
}

// Shrinking squares of latitude and longitude, each followed by a line search of the height.
// The height moves sunrise and sunset by the dip of the horizon, 0.0347 sqrt(h) degrees, so it
// is searched on sqrt(h).
Point fit(const std::vector<jakim::TableRow> &rows, Point p)
{
    long best = score(rows, p);
    const double squares[] = {0.1, 0.02, 0.004, 0.001};
    const double roots[] = {5, 1, 0.25, 0.05};
    for (int round = 0; round < 4; ++round) {
        const Point centre = p;
        for (int a = -6; a <= 6; ++a)
            for (int b = -6; b <= 6; ++b) {
                const Point q{thousandths(centre.lat + a * squares[round]),
                              thousandths(centre.lon + b * squares[round]), centre.height};
                const long s = score(rows, q);
                if (s > best) {
                    best = s;
                    p = q;
                }
            }
        const double root = std::sqrt(double(p.height));
        const int reach = round == 0 ? 14 : 6; // the first pass reaches 4900 m
        int lastHeight = -1;
        const Point here = p;
        for (int k = round == 0 ? 0 : -reach; k <= reach; ++k) {
            const double r = round == 0 ? k * roots[0] : root + k * roots[round];
            if (r < 0)
                continue;
            const int h = static_cast<int>(std::lround(r * r));
            if (h == lastHeight || h == here.height)
                continue;
            lastHeight = h;
            const Point q{here.lat, here.lon, h};
            const long s = score(rows, q);
            if (s > best) {
                best = s;
                p = q;
            }
        }
    }
    return p;
}

struct Zone {
    std::string code, state, names;
    double lat = 0, lon = 0;
    int n = 0;
    std::vector<jakim::TableRow> rows;
    Point point;
};

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
    std::map<std::string, Zone> byCode;
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
        Zone &z = byCode[code];
        z.code = code;
        z.state = state;
        z.names += (z.n ? ";" : "") + place;
        z.lat += std::stod(lat);
        z.lon += std::stod(lon);
        ++z.n;
    }
    std::vector<Zone *> zones;
    for (auto &[code, z] : byCode) {
        z.rows = jakim::readTable(dir + "/jakim-" + code + "-2020.csv", code);
        if (!z.rows.empty()) // a zone without a 2020 table keeps no point
            zones.push_back(&z);
    }
    // Zones are independent: two workers, each its own share, the same answer either way.
    auto work = [&zones](size_t first) {
        for (size_t k = first; k < zones.size(); k += 2) {
            Zone &z = *zones[k];
            z.point = fit(z.rows, {thousandths(z.lat / z.n), thousandths(z.lon / z.n), 0});
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();

    std::printf("# JAKIM zones: code, state, the places JAKIM names (;-separated), and the "
                "reference point\n"
                "# (degrees north and east, height in metres) at which code 14 best gives the "
                "zone's 2020\n"
                "# e-solat table; written by tools/jakimzones. GPL-3.0, from "
                "ruqqq/prayertimes-database.\n"
                "code,state,places,latitude,longitude,height\n");
    // The figures go to the standard error: per time, the share to the minute / within one.
    const char *const names[] = {"Subuh", "Syuruk", "Zohor", "Asar", "Maghrib", "Isyak"};
    jakim::Figures all;
    const auto report = [&names](const char *what, const jakim::Figures &f) {
        std::fprintf(stderr, "%s", what);
        for (int i = 0; i < 6; ++i)
            std::fprintf(stderr, " %s %.1f/%.1f", names[i], 100.0 * f.exact[i] / f.rows[i],
                         100.0 * f.within[i] / f.rows[i]);
        std::fprintf(stderr, "\n");
    };
    for (const Zone *z : zones) {
        std::printf("%s,%s,%s,%.3f,%.3f,%d\n", z->code.c_str(), z->state.c_str(), z->names.c_str(),
                    z->point.lat, z->point.lon, z->point.height);
        const jakim::Figures f =
            jakim::compare(z->rows, z->point.lat, z->point.lon, z->point.height);
        report(z->code.c_str(), f);
        for (int i = 0; i < 6; ++i) {
            all.rows[i] += f.rows[i];
            all.exact[i] += f.exact[i];
            all.within[i] += f.within[i];
        }
    }
    report("all", all);
    return 0;
}
