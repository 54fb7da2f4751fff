#!/usr/bin/python3
"""The built program as a user meets it: a real X server (Xvfb), a real tray (trayer), the
program's own files in a folder of the test's own, a clock set by libfaketime and SDL's disk
audio driver in place of a loudspeaker.

Run by e2e.sh inside a D-Bus session of its own, which carries the accessibility bus through
which the window's labels are read and its widgets found; xdotool clicks and types as a user
would. Everything started here runs in a process group of its own and is ended on the way
out, whatever happened. Every wait has a deadline, and a missed one says what did not happen.

    e2e_ravla.py RAVLA RAVLA_VAKIT LIBFAKETIME [wayland]

With "wayland" the program runs under a headless weston instead, without a tray, beside a
notification service of the test's own (E2EWayland).

E2E_KEEP=1 keeps the test's folder (logs, audio, settings, a screenshot) after a failure.
"""

import csv
import ctypes
import glob
import io
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# The day and the place the test lives in: İstanbul under Diyanet's method, 30 s before Dhuhr.
# Not the 7th or the 25th, when the program asks for feedback after 95 s.
DATE = "2026-06-10"
METHOD = 8
START_PLACE = ("Türkiye", "İstanbul")
NEW_PLACE = ("Almanya", "Berlin")  # chosen through the options dialog
PRAYER = "Öğle"  # the caption of the prayer the clock is set 30 s before
LEAD_S = 30

SCREEN = (1280, 1024)
PANEL_H = 24  # trayer's strip along the bottom; the work area ends above it
WORK_AREA = (0, 0, SCREEN[0], SCREEN[1] - PANEL_H)  # x, y, width, height

TITLE = "Ravla Namaz Vakti"
OPTIONS_TITLE = "Ayarlar Penceresi"
FIRST_RUN_TITLE = "İlk çalıştırma"
POPUP_TITLE = "EzanPopup"
CAPTIONS = {  # the window's caption -> ravla-vakit's csv column
    "İmsak": "imsak", "Fecir": "fajr", "Güneş": "sunrise", "Öğle": "dhuhr",
    "İkindi": "asr", "Akşam": "maghrib", "Yatsı": "isha",
}
DEFAULT_AYARLAR_DAT = "Fecir.ogg\nAksa.ogg\nAksa.ogg\nAksa.ogg\nAksa.ogg\n"
BYTES_PER_S = 44100 * 2 * 2  # the sound layer's 16-bit stereo at 44.1 kHz
LOUD = 1000  # a 16-bit sample past this is sound, not silence or dither

T0 = time.monotonic()


class Failure(Exception):
    pass


def log(msg):
    print(f"[{time.monotonic() - T0:6.2f}s] {msg}", flush=True)


def wait_for(what, pred, timeout, interval=0.02):
    """Polls pred until it gives something true. A failed query of a program that is busy
    (a D-Bus call that timed out) counts as 'not yet'; a Failure ends the wait at once."""
    end = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            r = pred()
            if r:
                return r
        except Failure:
            raise
        except Exception as e:  # noqa: BLE001 - any query error is retried until the deadline
            last_error = e
        if time.monotonic() >= end:
            extra = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout:g} s waiting for {what}{extra}")
        time.sleep(interval)


def run(cmd, timeout=10, env=None, check=True):
    try:
        r = subprocess.run(cmd, capture_output=True, text=True, timeout=timeout, env=env)
    except subprocess.TimeoutExpired:
        raise Failure(f"{cmd[0]} did not finish within {timeout} s: {' '.join(cmd)}")
    if check and r.returncode != 0:
        raise Failure(f"{' '.join(cmd)} failed ({r.returncode}): {r.stderr.strip()}")
    return r


class Processes:
    """What the test started, each in a process group of its own, ended by its id."""

    def __init__(self):
        self.started = []

    def start(self, cmd, env, log_path, **kw):
        with open(log_path, "wb") as out:
            p = subprocess.Popen(cmd, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                 stderr=subprocess.STDOUT, start_new_session=True, **kw)
        self.started.append(p)
        return p

    def end_all(self):
        for p in reversed(self.started):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 3
        for p in reversed(self.started):
            try:
                p.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(p.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                p.wait(timeout=5)


# --- X: windows through xdotool and xwininfo, the tray selection through libX11 ------------

def window_info(wid):
    r = run(["xwininfo", "-id", str(wid)], check=False)
    if r.returncode != 0:
        return None  # gone
    info = {"id": wid, "name": None}
    for line in r.stdout.splitlines():
        line = line.strip()
        if line.startswith("xwininfo: Window id:"):
            q = line.find('"')
            info["name"] = line[q + 1:line.rfind('"')] if q >= 0 else ""
        key, _, val = line.partition(":")
        val = val.strip()
        if key == "Absolute upper-left X":
            info["x"] = int(val)
        elif key == "Absolute upper-left Y":
            info["y"] = int(val)
        elif key == "Width":
            info["w"] = int(val)
        elif key == "Height":
            info["h"] = int(val)
        elif key == "Map State":
            info["viewable"] = val == "IsViewable"
    return info


def shown_window(title):
    """The viewable top-level window with exactly this title, or None."""
    r = run(["xdotool", "search", "--name", f"^{title}$"], check=False)
    for wid in r.stdout.split():
        info = window_info(int(wid))
        if info and info.get("viewable") and info["name"] == title:
            return info
    return None


def program_windows():
    """The program's top-level windows that are on screen."""
    r = run(["xwininfo", "-root", "-children"], check=False)
    out = []
    for line in r.stdout.splitlines():
        if '("ravla" "ravla")' in line:
            info = window_info(int(line.split()[0], 16))
            if info and info.get("viewable"):
                out.append(info)
    return out


def tray_icon():
    """The program's icon window, embedded in trayer's panel, or None."""
    r = run(["xwininfo", "-root", "-tree"], check=False)
    panel_indent = None
    for line in r.stdout.splitlines():
        indent = len(line) - len(line.lstrip())
        if panel_indent is not None and indent <= panel_indent:
            panel_indent = None  # past the panel's subtree
        if '("panel" "trayer")' in line:
            panel_indent = indent
        elif panel_indent is not None and '("ravla" "ravla")' in line:
            info = window_info(int(line.split()[0], 16))
            if info and info.get("viewable") and info["w"] > 0 and info["h"] > 0:
                return info
    return None


def rect(info):
    return (info["x"], info["y"], info["w"], info["h"])


def click(x, y, button=1):
    # No --sync: it waits for ever when the pointer is already there. The server takes the
    # move before the click all the same.
    run(["xdotool", "mousemove", str(x), str(y), "click", str(button)])


def click_centre(r, button=1):
    x, y, w, h = r
    click(x + w // 2, y + h // 2, button)


class XDisplay:
    def __init__(self, name):
        self.lib = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.lib.XInternAtom.restype = ctypes.c_ulong
        self.lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.lib.XGetSelectionOwner.restype = ctypes.c_ulong
        self.lib.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.dpy = self.lib.XOpenDisplay(name.encode())
        if not self.dpy:
            raise Failure(f"cannot open X display {name}")

    def selection_owner(self, atom_name):
        atom = self.lib.XInternAtom(self.dpy, atom_name.encode(), 0)
        return self.lib.XGetSelectionOwner(self.dpy, atom)

    def close(self):
        self.lib.XCloseDisplay(self.dpy)


# --- the accessibility tree ------------------------------------------------------------------

def atspi():
    import pyatspi  # once the session bus is there
    return pyatspi


def app_of(pid):
    from gi.repository import Atspi
    desk = atspi().Registry.getDesktop(0)
    for i in range(desk.childCount):
        a = desk.getChildAtIndex(i)
        if a is not None and a.get_process_id() == pid:
            a.set_cache_mask(Atspi.Cache.NONE)  # every read asks the program afresh
            return a
    return None


def children(a):
    return [c for c in (a.getChildAtIndex(i) for i in range(a.childCount)) if c is not None]


def find_all(root, pred, depth=12):
    """Depth-first in the tree's order. Lists are not entered: one holds thousands of places."""
    pyatspi = atspi()
    found = []

    def walk(a, d):
        if pred(a):
            found.append(a)
        if d > 0 and a.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
            for c in children(a):
                walk(c, d - 1)

    walk(root, depth)
    return found


def find_one(root, what, pred):
    r = find_all(root, pred)
    if not r:
        raise Failure(f"no {what} in the accessibility tree")
    return r[0]


def extents(a):
    e = a.queryComponent().getExtents(atspi().DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def showing(a):
    return a.getState().contains(atspi().STATE_SHOWING)


def top_level(app, title):
    return next((c for c in children(app) if c.name == title), None)


def visible_rows(lst):
    """Name -> extents of the rows a list shows, read top-down by position, so that a list of
    thousands of places is never walked."""
    pyatspi = atspi()
    comp = lst.queryComponent()
    x, y, w, h = extents(lst)
    rows, py = {}, y + 2
    while py < y + h:
        a = comp.getAccessibleAtPoint(x + 8, py, pyatspi.DESKTOP_COORDS)
        if a is None or a.getRole() != pyatspi.ROLE_LIST_ITEM:
            break
        r = extents(a)
        if r[3] <= 0:
            break
        rows.setdefault(a.name, r)
        py = r[1] + r[3] + 1
    return rows


def text_of(a):
    return a.queryText().getText(0, -1)


# --- files -----------------------------------------------------------------------------------

def write_ini(path, values):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("[General]\n")
        for k, v in values.items():
            f.write(f"{k.replace(' ', '%20')}={v}\n")


def ini_value(v):
    """A QSettings INI value as text: one with a comma and the like is quoted, with escapes."""
    if len(v) >= 2 and v[0] == '"' and v[-1] == '"':
        out, i, body = [], 0, v[1:-1]
        while i < len(body):
            c = body[i]
            if c == "\\" and i + 1 < len(body):
                i += 1
                c = {"n": "\n", "t": "\t", "r": "\r"}.get(body[i], body[i])
            out.append(c)
            i += 1
        return "".join(out)
    return v


def read_ini(path):
    values, group = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("["):
                group = line
            elif group == "[General]" and "=" in line:
                k, v = line.split("=", 1)
                values[k.replace("%20", " ")] = ini_value(v)
    return values


def place_line(koordinat, country, city):
    """The city database's line for a place: what the options dialog reads too."""
    with open(os.path.join(koordinat, country + ".txt"), encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split(",")
            if parts[0] == city:
                # The place list shows, and the program stores, the name with its province.
                return {"lat": parts[2], "lon": parts[3], "tz": parts[4], "zone": parts[5],
                        "row": f"{parts[0]},{parts[1]}"}
    raise Failure(f"{city} not found in {country}.txt")


def expected_times(vakit, place):
    """The window's seven labels as ravla-vakit computes them: H:MM:00."""
    r = run([vakit, "--lat", place["lat"], "--lon", place["lon"], "--tz", place["tz"],
             "--zone", place["zone"], "--method", str(METHOD), "--date", DATE,
             "--format", "csv"])
    row = next(csv.DictReader(io.StringIO(r.stdout)))
    times = {}
    for caption, column in CAPTIONS.items():
        h, m, _ = row[column].rstrip("*").split(":")
        times[caption] = f"{int(h)}:{m}:00"
    return times


def first_loud_sample(data, start=0):
    """Byte offset of the first 16-bit sample past LOUD at or after start, or None."""
    start -= start % 2
    n = (len(data) - start) // 2
    if n <= 0:
        return None
    samples = memoryview(data)[start:start + 2 * n].cast("h")
    for i in range(n):
        if abs(samples[i]) > LOUD:
            return start + 2 * i
    return None


# --- the test --------------------------------------------------------------------------------

class E2E:
    def __init__(self, ravla, vakit, libfaketime):
        self.ravla_src = os.path.abspath(ravla)
        self.vakit = os.path.abspath(vakit)
        self.libfaketime = libfaketime
        self.procs = Processes()
        self.tmp = tempfile.mkdtemp(prefix="ravla-e2e-")
        self.display = None
        self.main = None

    def base_env(self):
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LC_ALL": "C.UTF-8",
               "LANG": "C.UTF-8"}
        for k in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "LD_LIBRARY_PATH",
                  "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if k in os.environ:
                env[k] = os.environ[k]
        if self.display:
            env["DISPLAY"] = self.display
        return env

    def tail(self, name, lines=30):
        try:
            with open(os.path.join(self.tmp, name), errors="replace") as f:
                return "\n" + "".join(f.readlines()[-lines:])
        except OSError:
            return ""

    # Set-up -------------------------------------------------------------------------------

    def start_x(self):
        r, w = os.pipe()
        xvfb = self.procs.start(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            self.base_env(), os.path.join(self.tmp, "xvfb.log"), pass_fds=(w,))
        os.close(w)
        got, end = b"", time.monotonic() + 20
        while not got.endswith(b"\n"):
            left = end - time.monotonic()
            if left <= 0 or xvfb.poll() is not None:
                raise Failure("Xvfb gave no display within 20 s" + self.tail("xvfb.log"))
            if select.select([r], [], [], min(left, 0.5))[0]:
                chunk = os.read(r, 64)
                if not chunk:
                    raise Failure("Xvfb closed its display pipe" + self.tail("xvfb.log"))
                got += chunk
        os.close(r)
        self.display = ":" + got.decode().strip()
        # The work area a window manager would leave above trayer's strip.
        run(["xprop", "-display", self.display, "-root", "-f", "_NET_WORKAREA", "32c",
             "-set", "_NET_WORKAREA", ", ".join(str(v) for v in WORK_AREA)])
        os.environ["DISPLAY"] = self.display  # for xdotool and xwininfo
        log(f"Xvfb on {self.display}")

    def start_accessibility(self):
        # The program joins the accessibility bus only if it is up when the program starts.
        wait_for("the accessibility registry", lambda: atspi().Registry.getDesktop(0), 20)

    def start_tray(self):
        env = self.base_env()
        env["NO_AT_BRIDGE"] = "1"  # the tray host stays out of the accessibility tree
        self.procs.start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                          "request", "--height", str(PANEL_H), "--SetDockType", "true",
                          "--SetPartialStrut", "true"],
                         env, os.path.join(self.tmp, "trayer.log"))
        # The program asks once, at its start, whether there is a tray. The connection is
        # closed at once: Xlib ends the whole process when its server goes away.
        x = XDisplay(self.display)
        try:
            wait_for("trayer to own the system tray",
                     lambda: x.selection_owner("_NET_SYSTEM_TRAY_S0") != 0, 20)
        finally:
            x.close()
        log("trayer holds the tray")

    def lay_out_program(self):
        """The executable and what it reads beside it, in a folder of the test's own, so that
        ayarlar.dat is the test's; a home of its own for the settings stores."""
        build = os.path.dirname(self.ravla_src)
        self.prog = os.path.join(self.tmp, "program")
        os.makedirs(self.prog)
        self.ravla = os.path.join(self.prog, "ravla")
        shutil.copy2(self.ravla_src, self.ravla)
        for d in ("koordinat", "ezan", "sesler"):
            src = os.path.join(build, d)
            if not os.path.isdir(src):
                raise Failure(f"{src} is missing: is the build complete?")
            shutil.copytree(src, os.path.join(self.prog, d))
        for qm in glob.glob(os.path.join(build, "Lugat_*.qm")):
            shutil.copy2(qm, self.prog)
        self.ayarlar_dat = os.path.join(self.prog, "ayarlar.dat")
        with open(self.ayarlar_dat, "w", encoding="utf-8") as f:
            f.write(DEFAULT_AYARLAR_DAT)

        self.home = os.path.join(self.tmp, "home")
        self.config = os.path.join(self.home, ".config")
        self.data = os.path.join(self.home, ".local", "share")
        self.runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(self.config)
        os.makedirs(self.data)
        os.makedirs(self.runtime, mode=0o700)
        self.audio_path = os.path.join(self.tmp, "audio.raw")

        koordinat = os.path.join(self.prog, "koordinat")
        self.start_place = place_line(koordinat, *START_PLACE)
        self.new_place = place_line(koordinat, *NEW_PLACE)
        folder = os.path.join(self.config, "Zorva Yazilim")
        self.store = os.path.join(folder, "Ravla Ayarlar.conf")
        self.lang_store = os.path.join(folder, "Ravla Dil Ayarlari.conf")
        write_ini(self.store, {
            "Enlem": self.start_place["lat"], "Boylam": self.start_place["lon"],
            "GMT": self.start_place["tz"], "UlkeAdi": START_PLACE[0],
            "SehirAdi": START_PLACE[1], "YazSaatiOtomotikHesap": "true",
            "HesapYontemi": METHOD, "HanefiMezhep": "false", "OzelHesapYontem": "false",
            "SaatDilimi": self.start_place["zone"],
        })
        write_ini(self.lang_store, {"Yerel Dil": "tr_TR", "Dil No": "0"})
        with open(self.lang_store, "rb") as f:
            self.lang_store_bytes = f.read()

        self.times = expected_times(self.vakit, self.start_place)
        self.new_times = expected_times(self.vakit, self.new_place)
        h, m, _ = self.times[PRAYER].split(":")
        s = int(h) * 3600 + int(m) * 60 - LEAD_S
        self.fake_start = f"{DATE} {s // 3600:02d}:{s % 3600 // 60:02d}:{s % 60:02d}"
        log(f"{START_PLACE[1]} on {DATE}: {self.times}; the clock starts at {self.fake_start}")

    def platform_env(self):
        return {"QT_QPA_PLATFORM": "xcb"}

    def start_program(self, log_name, home=None):
        env = self.base_env()
        home = home or self.home
        env.update({
            "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_RUNTIME_DIR": self.runtime, "TZ": self.start_place["zone"],
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": self.audio_path,
            # The wall clock starts at fake_start as the program starts and runs on from
            # there; the monotonic clock, which drives the timers, stays true.
            "LD_PRELOAD": self.libfaketime, "FAKETIME": "@" + self.fake_start,
            "FAKETIME_DONT_FAKE_MONOTONIC": "1",
        })
        env.update(self.platform_env())
        return self.procs.start([self.ravla], env, os.path.join(self.tmp, log_name))

    def check_running(self):
        if self.main.poll() is not None:
            raise Failure(f"the program ended with status {self.main.returncode}"
                          + self.tail("ravla.log"))

    def app(self):
        return wait_for("the program in the accessibility tree",
                        lambda: app_of(self.main.pid), 10, interval=0.1)

    def window(self):
        win = top_level(self.app(), TITLE)
        if win is None:
            raise Failure("the window is not in the accessibility tree")
        return win

    # Steps --------------------------------------------------------------------------------

    def window_appears_then_hides(self):
        self.main = self.start_program("ravla.log")
        self.t_start = time.monotonic()

        def shown():
            self.check_running()
            return shown_window(TITLE)

        w = wait_for(f"the window '{TITLE}' to appear", shown, 30)
        t_shown = time.monotonic()
        log(f"window shown {t_shown - self.t_start:.2f} s after the start: {rect(w)}")
        if (w["w"], w["h"]) != (720, 440):
            raise Failure(f"the window is {w['w']} x {w['h']}, not 720 x 440")
        centre = ((SCREEN[0] - 720) // 2, (SCREEN[1] - 440) // 2)
        if (w["x"], w["y"]) != centre:
            raise Failure(f"the window is at {(w['x'], w['y'])}, not centred at {centre}")
        self.main_wid = w["id"]

        def hidden():
            self.check_running()
            info = window_info(self.main_wid)
            return info is None or not info.get("viewable")

        # 1.5 s after the window is made; it shows a little after that.
        wait_for("the window to hide into the tray 1.5 s after it appeared", hidden, 4.0,
                 interval=0.01)
        shown_for = time.monotonic() - t_shown
        log(f"window hidden after {shown_for:.2f} s")
        if shown_for < 0.5:
            raise Failure(f"the window hid {shown_for:.2f} s after it appeared, not 1.5 s")
        self.icon = wait_for("the tray icon in trayer's panel", tray_icon, 5)
        log(f"tray icon in trayer: {rect(self.icon)}")

    def tray_click_shows(self):
        click_centre(rect(self.icon))
        wait_for("the window to show after a click on the tray icon",
                 lambda: shown_window(TITLE), 5)
        log("a click on the tray icon showed the window")

    def labels(self):
        """Caption -> time label, paired by row in the window's prayer-time box."""
        pyatspi = atspi()
        box = find_one(self.window(), "'Vakitler' box",
                       lambda a: a.getRole() == pyatspi.ROLE_PANEL and a.name == "Vakitler")
        rows = {}
        for a in children(box):
            if a.getRole() == pyatspi.ROLE_LABEL:
                x, y, w, h = extents(a)
                rows.setdefault(y, []).append((x, a.name))
        got = {}
        for cells in rows.values():
            cells.sort()
            if len(cells) == 2 and cells[0][1] in CAPTIONS:
                got[cells[0][1]] = cells[1][1]
        return got

    def check_labels(self, expected, what):
        last = {}

        def match():
            nonlocal last
            last = self.labels()
            return last == expected

        try:
            wait_for(f"the window's labels to show {what}", match, 8, interval=0.2)
        except Failure as e:
            raise Failure(f"{e}\n  expected {expected}\n  window   {last}")
        log(f"the labels hold {what}")

    def audio(self):
        try:
            with open(self.audio_path, "rb") as f:
                return os.fstat(f.fileno()).st_ino, f.read()
        except FileNotFoundError:
            return None, b""

    def adhan_at_prayer_time(self):
        self.adhan_sounds()
        self.popup_in_corner()

    def adhan_sounds(self):
        # The program's clock reads fake_start at its start, a moment after t_start: its
        # prayer time comes a moment after t_prayer, never before.
        t_prayer = self.t_start + LEAD_S
        audio = self.audio

        pre = t_prayer - 0.5
        if time.monotonic() > pre:
            raise Failure(f"the steps before the adhan took {time.monotonic() - self.t_start:.1f}"
                          f" s of the {LEAD_S}")
        time.sleep(pre - time.monotonic())
        self.check_running()
        ino_before, before = audio()
        loud = first_loud_sample(before)
        if loud is not None:
            raise Failure(f"sound before the prayer time, at byte {loud} of the audio output")
        log(f"silence up to {t_prayer - time.monotonic():.2f} s before the prayer time "
            f"({len(before)} bytes of output)")

        found = {}

        def adhan():
            self.check_running()
            ino, data = audio()
            # From that moment on: past what was silent then (a device opened since writes a
            # new file).
            off = first_loud_sample(data, len(before) if ino == ino_before else 0)
            if off is not None:
                found.update(ino=ino, off=off, size=len(data))
            return off is not None

        wait_for("the adhan in the audio output at the prayer time", adhan, 6, interval=0.05)
        log(f"the adhan sounds {time.monotonic() - t_prayer:+.2f} s from the prayer time")
        # And it goes on: the output grows and is still loud a second later.
        time.sleep(1.0)
        ino, data = audio()
        last = data[max(found["off"], len(data) - BYTES_PER_S // 2):]
        if ino != found["ino"] or len(data) <= found["size"] or first_loud_sample(last) is None:
            raise Failure("the adhan stopped within a second of its start")

    def popup_in_corner(self):
        right, bottom = WORK_AREA[0] + WORK_AREA[2], WORK_AREA[1] + WORK_AREA[3]

        def in_corner():
            p = shown_window(POPUP_TITLE)
            return p if p and p["x"] + p["w"] == right and p["y"] + p["h"] == bottom else None

        pop = wait_for(f"the adhan popup '{POPUP_TITLE}'", lambda: shown_window(POPUP_TITLE), 5)
        try:
            pop = wait_for("the adhan popup to come to rest at the work area's bottom right",
                           in_corner, 8)
        except Failure as e:
            raise Failure(f"{e}: it is at {rect(shown_window(POPUP_TITLE) or pop)}, the work "
                          f"area's bottom right is ({right}, {bottom})")
        log(f"the adhan popup rests at the work area's bottom right: {rect(pop)}")

    def choose_city(self):
        """Page one of the options dialog, as a user goes through it: filter the countries,
        click one, filter its places, click one, confirm."""
        pyatspi = atspi()
        gear = find_one(self.window(), "options button",
                        lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                        and a.description == "Seçenekler")
        click_centre(extents(gear))
        wait_for("the options dialog", lambda: shown_window(OPTIONS_TITLE), 5)
        dlg = wait_for("the options dialog in the accessibility tree",
                       lambda: top_level(self.app(), OPTIONS_TITLE), 5)

        def place_page():
            for a in find_all(dlg, lambda a: a.getRole() == pyatspi.ROLE_FILLER and showing(a)):
                if [c.getRole() for c in children(a)].count(pyatspi.ROLE_LIST) == 2:
                    return a
            return None

        page = wait_for("the options dialog's place page", place_page, 5, interval=0.1)
        kids = children(page)
        filters = [a for a in kids if a.getRole() == pyatspi.ROLE_TEXT]
        lists = [a for a in kids if a.getRole() == pyatspi.ROLE_LIST]
        ok = [a for a in kids if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Tamam"]
        if len(filters) != 2 or len(lists) != 2 or len(ok) != 1:
            raise Failure("the place page lacks its two filters, two lists or its Tamam")

        for filt, lst, typed, row_name in (
                (filters[0], lists[0], NEW_PLACE[0], NEW_PLACE[0]),
                (filters[1], lists[1], NEW_PLACE[1], self.new_place["row"])):
            click_centre(extents(filt))
            run(["xdotool", "type", "--delay", "20", typed])
            try:
                row = wait_for(f"'{row_name}' among the rows the filter leaves",
                               lambda: visible_rows(lst).get(row_name), 5, interval=0.1)
            except Failure as e:
                raise Failure(f"{e}; the filter holds {text_of(filt)!r}, the list shows "
                              f"{list(visible_rows(lst))[:10]}")
            click_centre(row)
            log(f"chose {row_name}")

        wait_for("Tamam to be enabled once a place is chosen",
                 lambda: ok[0].getState().contains(pyatspi.STATE_ENABLED), 5, interval=0.05)
        click_centre(extents(ok[0]))
        wait_for("the options dialog to close on Tamam",
                 lambda: shown_window(OPTIONS_TITLE) is None, 5)
        self.check_labels(self.new_times, f"{NEW_PLACE[1]}'s times")
        want = f"{NEW_PLACE[1]} - {NEW_PLACE[0]}"  # the place's name, without its province
        names = [a.name for a in find_all(self.window(),
                                          lambda a: a.getRole() == pyatspi.ROLE_LABEL)]
        if want not in names:
            raise Failure(f"the window does not name the new place '{want}'")

    def second_start(self):
        """A second start ends at once; the first copy shows its window."""
        click_centre(rect(tray_icon()))  # hides the window
        wait_for("the window to hide on a click on the tray icon",
                 lambda: shown_window(TITLE) is None, 5)
        t = time.monotonic()
        second = self.start_program("ravla2.log")
        try:
            rc = second.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("a second start was still running after 15 s" + self.tail("ravla2.log"))
        if rc != 0:
            raise Failure(f"a second start ended with status {rc}" + self.tail("ravla2.log"))
        log(f"a second start ended with status 0 after {time.monotonic() - t:.2f} s")
        wait_for("the first copy to show its window after a second start",
                 lambda: shown_window(TITLE), 5)
        self.check_running()
        log("the first copy shows its window")

    def quit_from_tray(self):
        """A right click on the tray icon, then the menu's last entry, Çıkıs (Gizle, Göster, a
        line, Çıkıs). Qt keeps popup menus out of the accessibility tree, so the menu is found
        as the window the click brought up."""
        popup_up = shown_window(POPUP_TITLE) is not None
        before = {w["id"] for w in program_windows()}
        click_centre(rect(tray_icon()), button=3)
        menu = wait_for("the tray menu to open on a right click on the icon",
                        lambda: next((w for w in program_windows() if w["id"] not in before),
                                     None), 5)
        click(menu["x"] + menu["w"] // 2, menu["y"] + menu["h"] - 12)
        try:
            rc = self.main.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("the program was still running 10 s after the tray menu's quit"
                          + (" (the adhan popup was on screen)" if popup_up else ""))
        if rc != 0:
            raise Failure(f"the program ended with status {rc} on quit" + self.tail("ravla.log"))
        log("the tray menu's quit ended the program with status 0"
            + (", the adhan popup still on screen" if popup_up else ""))
        if tray_icon() is not None:
            raise Failure("the tray icon stayed after the program ended")

    def check_files(self):
        got = read_ini(self.store)
        want = {"UlkeAdi": NEW_PLACE[0], "SehirAdi": self.new_place["row"],
                "SaatDilimi": self.new_place["zone"], "HesapYontemi": str(METHOD),
                "YazSaatiOtomotikHesap": "true"}
        for k, v in want.items():
            if got.get(k) != v:
                raise Failure(f"settings store: {k} is {got.get(k)!r}, not {v!r}")
        for k, field in (("Enlem", "lat"), ("Boylam", "lon"), ("GMT", "tz")):
            try:
                same = float(got[k]) == float(self.new_place[field])
            except (KeyError, ValueError):
                same = False
            if not same:
                raise Failure(f"settings store: {k} is {got.get(k)!r}, not "
                              f"{self.new_place[field]}")
        with open(self.lang_store, "rb") as f:
            if f.read() != self.lang_store_bytes:
                raise Failure("the language store changed")
        with open(self.ayarlar_dat, encoding="utf-8") as f:
            dat = f.read()
        if dat != DEFAULT_AYARLAR_DAT:
            raise Failure(f"ayarlar.dat changed: {dat!r}")
        stray = glob.glob(os.path.join(self.home, "**", "ayarlar.dat"), recursive=True)
        if stray:
            raise Failure(f"an ayarlar.dat outside the program's folder: {stray}")
        log("the settings store holds the new place; ayarlar.dat is as it was")

    def first_run(self):
        """A start with nothing stored, the system clock in Istanbul's zone: İstanbul and
        Diyanet are taken and named in a notice whose button opens the place page, centred over
        the window; the window stays up beside it, and nothing is stored."""
        home = os.path.join(self.tmp, "home-first")
        os.makedirs(home)
        self.main = self.start_program("ravla-first.log", home=home)
        self.t_start = time.monotonic()
        notice = wait_for("the first-run notice", lambda: shown_window(FIRST_RUN_TITLE), 30)
        pyatspi = atspi()
        dlg = wait_for("the notice in the accessibility tree",
                       lambda: top_level(self.app(), FIRST_RUN_TITLE), 5)
        text = " ".join(a.name for a in find_all(dlg, lambda a: a.getRole() == pyatspi.ROLE_LABEL))
        for want in ("İstanbul", "Türkiye", "Diyanet İşleri Başkanlığı", "Europe/Istanbul"):
            if want not in text:
                raise Failure(f"the first-run notice does not name {want!r}: {text!r}")
        self.check_labels(self.times, "İstanbul's times by Diyanet on a first run")
        time.sleep(max(0.0, 3 - (time.monotonic() - self.t_start)))
        w = shown_window(TITLE)
        if w is None:
            raise Failure("on a first run the window hid beside the notice")
        button = find_one(dlg, "the notice's 'Şehir seç...'",
                          lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                          and a.name == "Şehir seç...")
        click_centre(extents(button))
        opt = wait_for("the options dialog from the notice", lambda: shown_window(OPTIONS_TITLE), 5)
        for axis, size in (("x", "w"), ("y", "h")):
            if abs((opt[axis] + opt[size] // 2) - (w[axis] + w[size] // 2)) > 2:
                raise Failure(f"the options dialog {rect(opt)} is not centred over the window "
                              f"{rect(w)}")
        log(f"the first-run notice named İstanbul and Diyanet ({notice['w']} x {notice['h']}); "
            "its button opened the options dialog, centred over the window")
        self.quit_from_tray()
        stored = glob.glob(os.path.join(home, ".config", "Zorva Yazilim", "Ravla Ayarlar*"))
        if stored:
            raise Failure(f"a first run that confirmed nothing stored {stored}")

    def arabic_window(self):
        """With the Arabic catalogue the window mirrors: on screen each time lies left of its
        prayer's name, as the name is read first."""
        home = os.path.join(self.tmp, "home-ar")
        folder = os.path.join(home, ".config", "Zorva Yazilim")
        write_ini(os.path.join(folder, "Ravla Ayarlar.conf"), read_ini(self.store))
        write_ini(os.path.join(folder, "Ravla Dil Ayarlari.conf"), {"Yerel Dil": "ar_AR", "Dil No": "1"})
        self.main = self.start_program("ravla-ar.log", home=home)
        pyatspi = atspi()

        def rows():
            self.check_running()
            app = app_of(self.main.pid)
            if app is None:
                return None
            found = {}
            for a in find_all(app, lambda a: a.getRole() == pyatspi.ROLE_LABEL and showing(a)):
                x, y, w, h = extents(a)
                found.setdefault(y, []).append((x, a.name))
            pairs = [c for c in found.values()
                     if len(c) == 2 and sum(bool(re.fullmatch(r"\d+:\d\d:00", n)) for _, n in c) == 1]
            return pairs if len(pairs) == 7 else None

        pairs = wait_for("the Arabic window's seven time rows", rows, 20, interval=0.2)
        for cells in pairs:
            time_x = next(x for x, n in cells if re.fullmatch(r"\d+:\d\d:00", n))
            name_x, name = next((x, n) for x, n in cells if not re.fullmatch(r"\d+:\d\d:00", n))
            if time_x >= name_x:
                raise Failure(f"in Arabic the time of {name!r} lies right of its name: {cells}")
        log("the Arabic window is mirrored: each time lies left of its name")
        self.quit_from_tray()

    def run(self):
        self.start_x()
        self.start_accessibility()
        self.start_tray()
        self.lay_out_program()
        self.window_appears_then_hides()
        self.tray_click_shows()
        self.check_labels(self.times, f"{START_PLACE[1]}'s times")
        self.adhan_at_prayer_time()
        self.choose_city()
        self.second_start()
        self.quit_from_tray()
        self.check_files()
        self.first_run()
        self.arabic_window()

    def close(self, failed):
        if failed and os.environ.get("E2E_KEEP") and self.display and shutil.which("import"):
            run(["import", "-window", "root", os.path.join(self.tmp, "screen.png")],
                check=False)
        self.procs.end_all()
        if failed and os.environ.get("E2E_KEEP"):
            log(f"kept {self.tmp}")
        else:
            shutil.rmtree(self.tmp, ignore_errors=True)

NOTIFY_LOG = "bildirimler.jsonl"
STOP_ACTION = ("ravla-durdur", "Ezanı durdur")
WAYLAND_SOCKET = "wayland-ravla"
QUIET_S = 4.0  # the placeholder recordings pause up to about 2 s between phrases


class E2EWayland(E2E):
    """The same program under a headless Wayland compositor (weston), without a tray, beside a
    notification service of the test's own (bildirim_hizmeti.py) on the session bus: the window
    stays up with the right times, and at the prayer time the adhan sounds and its notification
    is posted in place of the sliding popup; the notification's stop action stops it."""

    def platform_env(self):
        return {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": WAYLAND_SOCKET}

    def start_compositor(self):
        env = self.base_env()
        env["XDG_RUNTIME_DIR"] = self.runtime  # the program's: the socket is found there
        weston = self.procs.start(
            ["weston", "--backend=headless-backend.so", f"--socket={WAYLAND_SOCKET}",
             f"--width={SCREEN[0]}", f"--height={SCREEN[1]}", "--idle-time=0"],
            env, os.path.join(self.tmp, "weston.log"))

        def up():
            if weston.poll() is not None:
                raise Failure(f"weston ended with status {weston.returncode}"
                              + self.tail("weston.log"))
            return os.path.exists(os.path.join(self.runtime, WAYLAND_SOCKET))

        wait_for("weston's Wayland socket", up, 20, interval=0.05)
        log(f"weston (headless) on {WAYLAND_SOCKET}")

    def start_notifications(self):
        self.notify_log = os.path.join(self.tmp, NOTIFY_LOG)
        service = self.procs.start(
            ["/usr/bin/python3", os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                              "bildirim_hizmeti.py"), self.notify_log],
            self.base_env(), os.path.join(self.tmp, "bildirim_hizmeti.log"))

        def ready():
            if service.poll() is not None:
                raise Failure(f"the notification service ended with status "
                              f"{service.returncode}" + self.tail("bildirim_hizmeti.log"))
            with open(os.path.join(self.tmp, "bildirim_hizmeti.log")) as f:
                return "ready" in f.read()

        wait_for("the notification service to own its name", ready, 10, interval=0.05)
        log("the test's notification service owns org.freedesktop.Notifications")

    def calls(self, name=None):
        try:
            with open(self.notify_log, encoding="utf-8") as f:
                got = [json.loads(line) for line in f if line.strip()]
        except FileNotFoundError:
            return []
        return [c for c in got if name is None or c["call"] == name]

    def window_stays(self):
        self.main = self.start_program("ravla.log")
        self.t_start = time.monotonic()
        pyatspi = atspi()

        def mapped():
            self.check_running()
            win = top_level(self.app(), TITLE)
            return win if win is not None and showing(win) else None

        wait_for(f"the window '{TITLE}' to map under Wayland", mapped, 30, interval=0.1)
        log(f"the window is showing {time.monotonic() - self.t_start:.2f} s after the start")
        # No tray here: the window must not hide into one 1.5 s after it appears.
        time.sleep(2.5)
        if mapped() is None:
            raise Failure("the window went away without a tray to go to")
        if not self.window().getState().contains(pyatspi.STATE_VISIBLE):
            raise Failure("the window is not visible")
        log("the window stays up without a tray")

    def notification_posted(self):
        hh, mm, _ = self.times[PRAYER].split(":")
        summary = f"{PRAYER} {int(hh):02d}:{mm}"
        found = {}

        def posted():
            self.check_running()
            for c in self.calls("Notify"):
                if c["summary"] == summary:
                    found.update(c)
                    return True
            return False

        try:
            wait_for(f"the notification '{summary}'", posted, 5, interval=0.05)
        except Failure as e:
            raise Failure(f"{e}; the service got {self.calls()}")
        actions = found["actions"]
        pairs = list(zip(actions[0::2], actions[1::2]))
        if STOP_ACTION not in pairs:
            raise Failure(f"the notification offers {pairs}, not {STOP_ACTION}")
        if found["body"] != "Namaz Vakti" or found["app_name"] != TITLE:
            raise Failure(f"the notification reads {found['app_name']!r}: {found['body']!r}")
        hints = found["hints"]
        if not (found["app_icon"] == "ravla" or "image-data" in hints):
            raise Failure(f"the notification has no icon: app_icon {found['app_icon']!r}, "
                          f"hints {hints}")
        if hints.get("desktop-entry") != "ravla":
            raise Failure(f"the notification's desktop-entry is {hints.get('desktop-entry')!r}")
        popup = top_level(self.app(), POPUP_TITLE)
        if popup is not None and showing(popup):
            raise Failure("the sliding popup showed under Wayland, where it cannot be placed")
        self.notification = found
        log(f"notification {found['id']} posted: {summary!r} with {pairs}")

    def stop_action_stops(self):
        nid = self.notification["id"]
        run(["dbus-send", "--session", "--type=method_call", "--print-reply",
             "--dest=org.freedesktop.Notifications", "/org/freedesktop/Notifications",
             "org.ravla.test.Bildirimler.Invoke", f"uint32:{nid}", f"string:{STOP_ACTION[0]}"])
        t = time.monotonic()
        mark = {"size": len(self.audio()[1]), "at": t}

        def silent():
            self.check_running()
            _, data = self.audio()
            if first_loud_sample(data, mark["size"]) is not None:
                mark.update(size=len(data), at=time.monotonic())  # still sounding
                return False
            # Longer without a loud sample than the recordings pause between their phrases
            # (about 2 s), in output written or, for a device that was closed, in time.
            return (len(data) - mark["size"] >= QUIET_S * BYTES_PER_S
                    or time.monotonic() - mark["at"] > QUIET_S + 1)

        wait_for("the adhan to stop on the notification's stop action", silent, QUIET_S + 4,
                 interval=0.1)
        if mark["at"] - t > 1.0:
            raise Failure(f"the adhan went on for {mark['at'] - t:.2f} s after the stop action")
        log(f"the stop action silenced the adhan within {mark['at'] - t:.2f} s")
        self.check_running()

    def run(self):
        self.lay_out_program()
        self.start_compositor()
        self.start_accessibility()
        self.start_notifications()
        self.window_stays()
        self.check_labels(self.times, f"{START_PLACE[1]}'s times")
        self.adhan_sounds()
        self.notification_posted()
        self.stop_action_stops()


def main():
    if len(sys.argv) not in (4, 5) or sys.argv[4:] not in ([], ["wayland"]):
        print(__doc__, file=sys.stderr)
        return 2

    def stop(signum, frame):
        raise Failure(f"stopped by signal {signum}")

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGHUP, stop)
    test = (E2EWayland if sys.argv[4:] else E2E)(*sys.argv[1:4])
    failed = True
    try:
        test.run()
        failed = False
    except Failure as e:
        log(f"FAILED: {e}")
        for name in ("ravla.log", "ravla2.log"):
            t = test.tail(name)
            if t.strip():
                print(f"--- {name}:{t}", flush=True)
    finally:
        test.close(failed)
    if failed:
        return 1
    log("PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
