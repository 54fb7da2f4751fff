#!/usr/bin/python3
"""Footprint of the built program beside a minimal Qt tray program, in Xvfb with trayer.

For each program (alternating, after one warm-up start of each):
  start-up  from the start of the process to the map of its first window (ms), over
            START_RUNS starts that end at the map: one start varies by a third from the next
  memory    resident set 10 s after the start (VmRSS, MiB), run by run
  idle CPU  user + system time used from 10 s to 70 s after the start, hidden in the tray (ms)
Prints each run, the medians and the program's ratios to the minimal program's.

    measure.py BUILD_DIR MINIMAL_EXE RUNS

Run by bench/footprint.sh inside a D-Bus session of its own. The program gets a home of its
own with a place where no prayer falls while the measurement lasts, and SDL's dummy audio
driver, which stands in for a sound card: it runs the same device thread a real one does.
"""

import csv
import ctypes
import datetime
import glob
import io
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

SCREEN = "1280x1024x24"
START_RUNS = 30
RSS_AT_S = 10
IDLE_FROM_S, IDLE_TO_S = 10, 70
TARGETS = {"start": 1.25, "rss": 1.25, "cpu": 1.5}
MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class Failure(Exception):
    pass


def log(msg):
    print(msg, flush=True)


class X:
    """Just enough Xlib (through ctypes) to learn the moment a window with a given title maps."""

    def __init__(self, display):
        x = self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                 ctypes.POINTER(ctypes.c_char_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XGetSelectionOwner.restype = ctypes.c_ulong
        x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.dpy = x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise Failure(f"cannot open display {display}")
        x.XSelectInput(self.dpy, x.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY_MASK)
        x.XFlush(self.dpy)
        self.event = ctypes.create_string_buffer(192)  # sizeof(XEvent)

    def tray_owned(self):
        atom = self.x.XInternAtom(self.dpy, b"_NET_SYSTEM_TRAY_S0", 0)
        return self.x.XGetSelectionOwner(self.dpy, atom) != 0

    def name(self, window):
        p = ctypes.c_char_p()
        if not self.x.XFetchName(self.dpy, window, ctypes.byref(p)) or not p.value:
            return None
        n = p.value.decode("utf-8", "replace")
        self.x.XFree(p)
        return n

    def drain(self):
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, self.event)

    def wait_map(self, title, deadline):
        """The moment (monotonic) a window named title maps, or None at the deadline."""
        fd = self.x.XConnectionNumber(self.dpy)
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, self.event)
                t = time.monotonic()
                kind = ctypes.c_int.from_buffer(self.event, 0).value
                if kind == MAP_NOTIFY:
                    window = ctypes.c_ulong.from_buffer(self.event, 40).value  # XMapEvent.window
                    if self.name(window) == title:
                        return t
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([fd], [], [], left)

    def close(self):
        self.x.XCloseDisplay(self.dpy)


def cpu_ns(pid):
    """CPU time of each thread alive now, by thread id, in nanoseconds (the scheduler's own
    count: clock ticks of 10 ms are too coarse for a program that sleeps a minute)."""
    n = {}
    for stat in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            with open(stat) as f:
                n[stat.split("/")[4]] = int(f.read().split()[0])
        except OSError:
            pass
    return n


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise Failure(f"no VmRSS for {pid}")


def switches(pid):
    """Voluntary context switches of each thread alive now, by thread id: each is a wake-up."""
    n = {}
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(status) as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches:"):
                        n[status.split("/")[4]] = int(line.split()[1])
        except OSError:
            pass
    return n


def grown(before, after):
    """What each thread counted between two readings: a thread that ended in between (an idle pool thread) takes
    its earlier switches with it, and must not count against the others."""
    return sum(after[t] - before.get(t, 0) for t in after)


def quiet_place(vakit, minutes_ahead):
    """A longitude on the equator's time zone where no prayer comes from now until the
    measurement has ended: the adhan would otherwise play in the middle of it."""
    now = datetime.datetime.now(datetime.timezone.utc)
    start, end = now - datetime.timedelta(minutes=2), now + datetime.timedelta(
        minutes=minutes_ahead)
    for lon in range(0, 360, 5):
        lon = lon if lon <= 180 else lon - 360
        r = subprocess.run([vakit, "--lat", "30", "--lon", str(lon), "--tz", "0", "--dst",
                            "none", "--date", (now.date() - datetime.timedelta(days=1))
                            .isoformat(), "--days", "3", "--format", "csv"],
                           capture_output=True, text=True, check=True)
        clash = False
        for row in csv.DictReader(io.StringIO(r.stdout)):
            day = datetime.datetime.fromisoformat(row["date"]).replace(
                tzinfo=datetime.timezone.utc)
            for col in ("fajr", "dhuhr", "asr", "maghrib", "isha"):
                h, m, s = (int(v) for v in row[col].rstrip("*").split(":"))
                if h == 99:
                    continue
                t = day + datetime.timedelta(hours=h, minutes=m)
                if start <= t <= end:
                    clash = True
        if not clash:
            return lon
    raise Failure("no longitude without a prayer in the coming minutes")


class Bench:
    def __init__(self, build, minimal, runs):
        self.build = os.path.abspath(build)
        self.minimal = os.path.abspath(minimal)
        self.runs = runs
        self.tmp = tempfile.mkdtemp(prefix="ravla-footprint-")
        self.started = []
        self.display = None

    def start(self, cmd, env, name, **kw):
        with open(os.path.join(self.tmp, name + ".log"), "ab") as out:
            p = subprocess.Popen(cmd, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                 stderr=subprocess.STDOUT, start_new_session=True, **kw)
        self.started.append(p)
        return p

    def stop(self, p):
        if p.poll() is None:
            os.killpg(p.pid, signal.SIGTERM)
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()

    def env(self):
        e = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LC_ALL": "C.UTF-8",
             "LANG": "C.UTF-8", "DISPLAY": self.display or ""}
        for k in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            if k in os.environ:
                e[k] = os.environ[k]
        return e

    def set_up(self):
        r, w = os.pipe()
        self.start(["Xvfb", "-displayfd", str(w), "-screen", "0", SCREEN, "-nolisten", "tcp",
                    "-noreset"], self.env(), "xvfb", pass_fds=(w,))
        os.close(w)
        got = b""
        deadline = time.monotonic() + 20
        while not got.endswith(b"\n"):
            if not select.select([r], [], [], max(0, deadline - time.monotonic()))[0]:
                raise Failure("Xvfb gave no display within 20 s")
            chunk = os.read(r, 64)
            if not chunk:
                raise Failure("Xvfb ended")
            got += chunk
        os.close(r)
        self.display = ":" + got.decode().strip()
        self.x = X(self.display)
        tray_env = self.env()
        tray_env["NO_AT_BRIDGE"] = "1"
        self.start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                    "request", "--height", "24"], tray_env, "trayer")
        deadline = time.monotonic() + 20
        while not self.x.tray_owned():
            if time.monotonic() > deadline:
                raise Failure("trayer did not take the tray within 20 s")
            time.sleep(0.05)

        # The program with what it reads beside it, so that it writes nothing into the build.
        prog = os.path.join(self.tmp, "program")
        os.makedirs(prog)
        shutil.copy2(os.path.join(self.build, "ravla"), prog)
        for d in ("koordinat", "ezan", "sesler"):
            shutil.copytree(os.path.join(self.build, d), os.path.join(prog, d))
        for qm in glob.glob(os.path.join(self.build, "Lugat_*.qm")):
            shutil.copy2(qm, prog)
        self.ravla = os.path.join(prog, "ravla")

        home = os.path.join(self.tmp, "home")
        config = os.path.join(home, ".config", "Zorva Yazilim")
        os.makedirs(config)
        lasts = (self.runs + 1) * 2 * (IDLE_TO_S + 5) / 60 + 5
        lon = quiet_place(os.path.join(self.build, "ravla-vakit"), lasts)
        with open(os.path.join(config, "Ravla Ayarlar.conf"), "w") as f:
            f.write(f"[General]\nEnlem=30\nBoylam={lon}\nGMT=0\nUlkeAdi=Test\nSehirAdi=Test\n"
                    "YazSaatiOtomotikHesap=true\nSaatDilimi=UTC\nHesapYontemi=5\n")
        with open(os.path.join(config, "Ravla Dil Ayarlari.conf"), "w") as f:
            f.write("[General]\nYerel%20Dil=tr_TR\nDil%20No=0\n")
        self.home = home
        log(f"display {self.display}, trayer, the place at 30 N {lon} E (no prayer for "
            f"{lasts:.0f} min)")

    def program_env(self):
        e = self.env()
        e.update({"HOME": self.home, "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
                  "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"), "TZ": "UTC",
                  "QT_QPA_PLATFORM": "xcb", "SDL_AUDIODRIVER": "dummy"})
        return e

    def one(self, cmd, title, full=True):
        self.x.drain()
        t0 = time.monotonic()
        p = self.start(cmd, self.program_env(), os.path.basename(cmd[0]))
        try:
            t_map = self.x.wait_map(title, t0 + 30)
            if t_map is None:
                raise Failure(f"{cmd[0]}: no window '{title}' within 30 s")
            result = {"start": (t_map - t0) * 1000}
            if not full:
                return result
            time.sleep(max(0, t0 + RSS_AT_S - time.monotonic()))
            result["rss"] = rss_mib(p.pid)
            c0, w0 = cpu_ns(p.pid), switches(p.pid)
            time.sleep(max(0, t0 + IDLE_TO_S - time.monotonic()))
            if p.poll() is not None:
                raise Failure(f"{cmd[0]} ended during the measurement")
            c1, w1 = cpu_ns(p.pid), switches(p.pid)
            result["cpu"] = grown(c0, c1) / 1e6
            result["wakeups"] = grown(w0, w1) / (IDLE_TO_S - IDLE_FROM_S)
            return result
        finally:
            self.stop(p)

    def run(self):
        self.set_up()
        programs = [("ravla", [self.ravla], "Ravla Namaz Vakti"),
                    ("minimal", [self.minimal], "Minimal Tray")]
        for name, cmd, title in programs:  # warm the file cache: not counted
            self.one(cmd, title, full=False)
        starts = {name: [] for name, _, _ in programs}
        for i in range(START_RUNS):
            for name, cmd, title in programs if i % 2 == 0 else reversed(programs):
                starts[name].append(self.one(cmd, title, full=False)["start"])
        for name, s in starts.items():
            log(f"{name:8s} start-up over {START_RUNS} starts: median {statistics.median(s):.0f} ms, "
                f"from {min(s):.0f} to {max(s):.0f} ms")
        results = {name: [] for name, _, _ in programs}
        for i in range(self.runs):
            for name, cmd, title in programs if i % 2 == 0 else reversed(programs):
                r = self.one(cmd, title)
                results[name].append(r)
                log(f"run {i + 1} {name:8s} start {r['start']:6.0f} ms   rss {r['rss']:6.1f} MiB"
                    f"   idle cpu {r['cpu']:6.1f} ms / 60 s   {r['wakeups']:6.1f} wake-ups/s")
        med = {name: {k: statistics.median(r[k] for r in rs) for k in rs[0]}
               for name, rs in results.items()}
        for name in med:
            med[name]["start"] = statistics.median(starts[name])
        log("")
        log(f"medians ({START_RUNS} starts, {self.runs} runs)  ravla     minimal   ratio   target")
        rows = (("start", "start-up to first window (ms)", "{:9.0f}"),
                ("rss", f"resident memory at {RSS_AT_S} s (MiB)", "{:9.1f}"),
                ("cpu", "idle CPU in 60 s in the tray (ms)", "{:9.1f}"))
        met = True
        for key, label, fmt in rows:
            a, b = med["ravla"][key], med["minimal"][key]
            ratio = a / b if b > 0 else float("inf")
            ok = ratio <= TARGETS[key]
            met &= ok
            log(f"{label:36s}{fmt.format(a)}  {fmt.format(b)}  {ratio:5.2f}x  "
                f"<= {TARGETS[key]}x {'ok' if ok else 'MISSED'}")
        log(f"{'wake-ups per second in the tray':36s}{med['ravla']['wakeups']:9.1f}  "
            f"{med['minimal']['wakeups']:9.1f}")
        log("all targets met" if met else "a target is missed")
        return 0

    def close(self):
        if getattr(self, "x", None):
            self.x.close()
        for p in reversed(self.started):
            self.stop(p)
        shutil.rmtree(self.tmp, ignore_errors=True)


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2

    def stop(signum, frame):
        raise Failure(f"stopped by signal {signum}")

    signal.signal(signal.SIGTERM, stop)
    bench = Bench(sys.argv[1], sys.argv[2], int(sys.argv[3]))
    try:
        return bench.run()
    except Failure as e:
        log(f"footprint: {e}")
        return 1
    finally:
        bench.close()


if __name__ == "__main__":
    sys.exit(main())
