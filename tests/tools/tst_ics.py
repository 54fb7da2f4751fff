#!/usr/bin/python3
"""ravla-vakit --format ics read back by an iCalendar parser that is not ours (python3-icalendar),
each event's moment checked against the csv of the same run read through Python's own zone
rules. Usage: tst_ics.py RAVLA_VAKIT"""

import datetime as dt
import os
import re
import subprocess
import sys
import unittest
import zoneinfo

try:
    import icalendar
except ImportError:
    print("python3-icalendar is missing (tools/setup-common.sh lists it)", file=sys.stderr)
    sys.exit(1 if os.environ.get("CI") == "true" else 77)

VAKIT = None
KEYS = ["imsak", "fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"]
NAMES = {
    "tr": ["İmsak", "Sabah namazı", "Güneş doğuşu", "Öğle namazı", "İkindi namazı",
           "Akşam namazı", "Yatsı namazı"],
    "en": ["Imsak", "Fajr prayer", "Sunrise", "Dhuhr prayer", "Asr prayer", "Maghrib prayer",
           "Isha prayer"],
}
UTC = dt.timezone.utc


def vakit(*args, rc=0):
    p = subprocess.run([VAKIT, *args], capture_output=True, timeout=60)
    assert p.returncode == rc, (args, p.returncode, p.stderr)
    return p


def events(data):
    return [c for c in icalendar.Calendar.from_ical(data).walk() if c.name == "VEVENT"]


def csv_moments(args, zone, with_all):
    """(name, moment in UTC) of each time the csv of the run shows, in the zone's own rules."""
    rows = vakit(*args, "--format", "csv").stdout.decode().splitlines()[1:]
    moments = []
    for row in rows:
        fields = row.split(",")
        day = dt.datetime.strptime(fields[0], "%Y-%m-%d")
        clock = [dt.timedelta(hours=h, minutes=m, seconds=s) for h, m, s in
                 ((int(x) for x in f.rstrip("*").split(":")) for f in fields[1:8])]
        for i, key in enumerate(KEYS):
            if key in ("imsak", "sunrise") and not with_all or fields[1 + i].startswith("99:"):
                continue
            # 24:40 is past midnight; the csv also reads times modulo a day, so an Isha of 0:31
            # follows that day's Maghrib and a Fajr of 23:50 comes the evening before.
            local = day + clock[i]
            if i < 3 and clock[i] > clock[3]:
                local -= dt.timedelta(days=1)
            elif i > 3 and clock[i] < clock[3]:
                local += dt.timedelta(days=1)
            moments.append((NAMES["tr"][i], local.replace(tzinfo=zone).astimezone(UTC)))
    return sorted(moments)


def ics_moments(data):
    return sorted((str(e["SUMMARY"]), e["DTSTART"].dt) for e in events(data))


class TestIcs(unittest.TestCase):
    # A month of Berlin across the October clock change, New York across November's, Lord Howe
    # Island's half hour in October, a fixed half-hour zone, Bergen's Isha after midnight (24:32,
    # and in zones far from its longitude 0:31 and a Fajr of 22:37 the evening before) and the
    # polar night (no sunrise, 99:99:00).
    RUNS = [
        (["--lat", "52.52", "--lon", "13.405", "--zone", "Europe/Berlin", "--date", "2026-10-01",
          "--days", "31"], zoneinfo.ZoneInfo("Europe/Berlin"), False),
        (["--lat", "52.52", "--lon", "13.405", "--tz", "1", "--date", "2026-10-01", "--days", "31",
          "--method", "8"], zoneinfo.ZoneInfo("Europe/Berlin"), True),
        (["--lat", "40.7143", "--lon", "-74.006", "--zone", "America/New_York", "--date",
          "2026-10-15", "--days", "31"], zoneinfo.ZoneInfo("America/New_York"), True),
        (["--lat", "-31.55", "--lon", "159.08", "--zone", "Australia/Lord_Howe", "--date",
          "2026-09-20", "--days", "30"], zoneinfo.ZoneInfo("Australia/Lord_Howe"), False),
        (["--lat", "28.61", "--lon", "77.21", "--tz", "5.5", "--dst", "none", "--date",
          "2026-03-01", "--days", "5"], dt.timezone(dt.timedelta(hours=5.5)), True),
        (["--lat", "60.39", "--lon", "5.32", "--zone", "Europe/Oslo", "--date", "2026-06-01",
          "--days", "30"], zoneinfo.ZoneInfo("Europe/Oslo"), True),
        (["--lat", "60.39", "--lon", "5.32", "--tz", "2", "--dst", "none", "--date", "2026-06-01",
          "--days", "30"], dt.timezone(dt.timedelta(hours=2)), True),
        (["--lat", "60.39", "--lon", "5.32", "--tz", "-1", "--dst", "none", "--date", "2026-06-01",
          "--days", "30", "--method", "20", "--high-lat", "middle"],
         dt.timezone(dt.timedelta(hours=-1)), True),
        (["--lat", "70", "--lon", "25", "--tz", "1", "--dst", "none", "--date", "2026-12-01",
          "--days", "31"], dt.timezone(dt.timedelta(hours=1)), True),
    ]

    def test_moments_are_the_csv_times(self):
        for args, zone, with_all in self.RUNS:
            with self.subTest(args=" ".join(args)):
                data = vakit(*args, *(["--ics-all"] if with_all else []), "--format", "ics").stdout
                cal = icalendar.Calendar.from_ical(data)
                self.assertEqual(str(cal["VERSION"]), "2.0")
                self.assertIn("Ravla", str(cal["PRODID"]))
                expected = csv_moments(args, zone, with_all)
                self.assertEqual(ics_moments(data), expected)
                # Each day's events come in the day's order (Diyanet's İmsak is its Fajr).
                days = {}
                for e in events(data):
                    days.setdefault(str(e["UID"])[:8], []).append(
                        (NAMES["tr"].index(str(e["SUMMARY"])), e["DTSTART"].dt))
                for day in days.values():
                    moments = [m for _, m in sorted(day)]
                    self.assertEqual(moments, sorted(moments))
                for e in events(data):
                    self.assertEqual(e["DURATION"].dt, dt.timedelta(minutes=15))
                    self.assertIsNotNone(e["DTSTAMP"].dt.tzinfo)
                    self.assertEqual(e["DTSTART"].dt.utcoffset(), dt.timedelta(0))
        # The polar night has no sunrise, Asr or Maghrib (99:99:00): no events, not broken ones.
        polar = events(vakit(*self.RUNS[-1][0], "--ics-all", "--format", "ics").stdout)
        self.assertEqual({str(e["SUMMARY"]) for e in polar},
                         {"İmsak", "Sabah namazı", "Öğle namazı", "Yatsı namazı"})

    def test_uids_unique_and_stable(self):
        berlin = self.RUNS[0][0]
        first = [str(e["UID"]) for e in events(vakit(*berlin, "--format", "ics").stdout)]
        self.assertEqual(len(first), 5 * 31)
        self.assertEqual(len(set(first)), len(first))
        # Another run, another method and language, over part of the month: the same days'
        # events keep their UIDs, so importing again replaces them.
        again = vakit("--lat", "52.52", "--lon", "13.405", "--zone", "Europe/Berlin", "--date",
                      "2026-10-20", "--days", "5", "--method", "3", "--lang", "en",
                      "--format", "ics").stdout
        self.assertTrue(set(str(e["UID"]) for e in events(again)) <= set(first))
        other_place = vakit(*self.RUNS[2][0], "--format", "ics").stdout
        self.assertFalse(set(str(e["UID"]) for e in events(other_place)) & set(first))

    def test_ics_all_and_languages(self):
        base = ["--lat", "41", "--lon", "29", "--zone", "Europe/Istanbul", "--date", "2026-10-24",
                "--days", "2", "--format", "ics"]
        for lang, with_all in [("tr", False), ("tr", True), ("en", False), ("en", True)]:
            with self.subTest(lang=lang, with_all=with_all):
                args = base + (["--ics-all"] if with_all else []) + ["--lang", lang]
                summaries = [str(e["SUMMARY"]) for e in events(vakit(*args).stdout)]
                names = NAMES[lang] if with_all else NAMES[lang][1:2] + NAMES[lang][3:]
                self.assertEqual(summaries, names * 2)
        self.assertIn(b"--lang needs tr, ar, de or en, got 'fr'",
                      vakit(*base, "--lang", "fr", rc=2).stderr)
        vakit(*base[:-2], "--format", "csv", "--ics-all", rc=2)
        vakit(*base[:-2], "--format", "csv", "--lang", "en", rc=2)

    def test_folding_and_escaping(self):
        place = ("مسجد الإمام الأعظم أبي حنيفة النعمان، حي الأعظمية، بغداد; "
                 "Camii, Bursa \\ ikinci\nsatır")
        data = vakit("--lat", "60.39", "--lon", "5.32", "--zone", "Europe/Oslo", "--date", "2026-06-10",
                     "--days", "3", "--lang", "ar", "--ics-all", "--place", place,
                     "--format", "ics").stdout
        self.assertTrue(data.endswith(b"\r\n"))
        lines = data.split(b"\r\n")[:-1]
        for line in lines:
            self.assertNotIn(b"\n", line)
            self.assertNotIn(b"\r", line)
            self.assertLessEqual(len(line), 75, line)
            line.decode("utf-8")  # a line cut inside a character does not decode
        self.assertTrue(any(line.startswith(b" ") for line in lines))
        # Unfolded, a text's commas and semicolons are escaped (RFC 5545, 3.3.11); the parser
        # would forgive them.
        for line in data.replace(b"\r\n ", b"").split(b"\r\n"):
            name, _, value = line.partition(b":")
            if name in (b"SUMMARY", b"LOCATION", b"DESCRIPTION", b"X-WR-CALNAME"):
                self.assertIsNone(re.search(rb"(?<!\\)[,;]", value), line)
        evs = events(data)
        self.assertEqual(len(evs), 3 * 7)
        for e in evs:
            self.assertEqual(str(e["LOCATION"]), place)
        self.assertEqual({str(e["SUMMARY"]) for e in evs if str(e["UID"]).startswith("20260610-fajr")},
                         {"صلاة الفجر"})
        # An estimated Isha (the white nights of Bergen) says so in its description.
        isha = [e for e in evs if "-isha-" in str(e["UID"])][0]
        self.assertEqual(str(isha["DESCRIPTION"]).count("\n"), 2)


if __name__ == "__main__":
    VAKIT = sys.argv.pop(1)
    unittest.main(verbosity=2)
