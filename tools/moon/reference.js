// Reference values for the engine's Moon from astronomy-engine, an independent ephemeris
// (Montenbruck and Pfleger's lunar theory, VSOP87 for the Sun), so the test does not check
// Meeus's series against themselves. Times are UT, written as Julian days.
//   npm ci && node reference.js > ../../tests/engine/data/moon-reference.csv
'use strict';
const A = require('astronomy-engine');

const jd = (t) => t.ut + 2451545.0;
const fmt = (x, n) => x.toFixed(n);
const rows = ['# written by tools/moon/reference.js (astronomy-engine ' +
              require('./package.json').dependencies['astronomy-engine'] + '); times are UT Julian days',
              'kind,jd_ut,a,b,c'];

// Every new moon of 2024-2026 as almanacs define it: the apparent longitudes (aberration
// included) equal. SearchMoonPhase compares geometric directions, 40 s earlier. kind newmoon.
const phase = (time) => {
    const d = A.EclipticGeoMoon(time).lon - A.SunPosition(time).elon;
    return d - 360 * Math.round(d / 360);
};
let t = A.MakeTime(new Date(Date.UTC(2024, 0, 1)));
const end = A.MakeTime(new Date(Date.UTC(2027, 0, 1)));
for (;;) {
    const rough = A.SearchMoonPhase(0, t, 40);
    if (rough.ut > end.ut)
        break;
    const nm = A.Search(phase, rough.AddDays(-0.1), rough.AddDays(0.1), {dt_tolerance_seconds: 0.1});
    rows.push(`newmoon,${fmt(jd(nm), 6)},,,`);
    t = rough.AddDays(20);
}

// Apparent geocentric ecliptic longitude, latitude (degrees) and distance (km), every 97.3 days
// over 1940-2080 (the Hijri years the program converts).
const kmPerAu = 149597870.7;
for (let day = -21900.25; day < 29200; day += 1297.3) {
    const time = A.MakeTime(day);
    const e = A.EclipticGeoMoon(time);
    rows.push(`position,${fmt(jd(time), 6)},${fmt(e.lon, 6)},${fmt(e.lat, 6)},` +
              `${fmt(e.dist * kmPerAu, 1)}`);
}

// The Moon seen from places on the evening after a new moon: airless topocentric altitude of
// its centre and its elongation from the Sun. a = latitude, b = longitude, c = altitude;
// kind elongation: a = degrees.
const places = [[41.01, 28.98], [21.42, 39.83], [-33.45, -70.67], [34.05, -118.24],
                [-41.29, 174.78], [64.14, -21.94]];
t = A.MakeTime(new Date(Date.UTC(2025, 0, 1)));
for (let i = 0; i < 6; ++i) {
    const nm = A.SearchMoonPhase(0, t, 40);
    const [lat, lon] = places[i];
    const observer = new A.Observer(lat, lon, 0);
    const when = nm.AddDays(1.1 + 0.15 * i);
    const eq = A.Equator(A.Body.Moon, when, observer, true, true);
    const hor = A.Horizon(when, observer, eq.ra, eq.dec);
    rows.push(`altitude,${fmt(jd(when), 6)},${lat},${lon},${fmt(hor.altitude, 5)}`);
    rows.push(`elongation,${fmt(jd(when), 6)},${fmt(A.AngleFromSun(A.Body.Moon, when), 5)},,`);
    t = nm.AddDays(59);
}
process.stdout.write(rows.join('\n') + '\n');
