#!/usr/bin/env bash
# Makes the placeholder adhan calls in data/ezan/ and the reminder tone in
# data/sesler/. They are slow synthetic melodies on maqam-like scales,
# sung by a simple "voice" (a harmonic source with vibrato and glides, shaped
# by formant filters and a light reverb). They stand in until real recordings
# are put into the program's ezan folder.
#
# Needs: awk (Debian package mawk or gawk), sox (package sox) and oggenc
# (package vorbis-tools). Nothing random is used and the Ogg serial numbers are
# fixed, so running it again gives the same bytes with the same tool versions.
#
# Usage: tools/ezan/make-ezan.sh        (works from any directory)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
ezan_dir="$root/data/ezan"
reminder_dir="$root/data/sesler"

# awk must print "0.5", not "0,5", whatever the user's locale.
export LC_ALL=C

need() {  # need COMMAND DEBIAN-PACKAGE
    command -v "$1" >/dev/null 2>&1 || {
        echo "make-ezan.sh: '$1' not found; install the Debian package '$2' (apt-get install $2)" >&2
        exit 1
    }
}
need awk mawk
need sox sox
need oggenc vorbis-tools

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$ezan_dir" "$reminder_dir"

RATE=44100
QUALITY=2   # Vorbis VBR quality; keeps a two-minute mono call well under 1 MB

# ---------------------------------------------------------------------------
# The voice. Reads a call description on standard input and writes sox's text
# sample format (".dat") on standard output:
#   tonic HZ            frequency of scale degree 0
#   scale C0 .. C6      the seven steps of the scale in cents above the tonic
#   tempo X             every duration is multiplied by X
#   lead S / tail S     silence before the first and after the last phrase
#   phrase PAUSE D:S .. one breath: notes as scale degree : seconds, then PAUSE
#                       seconds of silence. Degrees below 0 or above 6 wrap
#                       into the octaves below and above.
# Notes shorter than 0.3 s are ornaments: they glide faster and are not
# articulated as a new syllable.
# ---------------------------------------------------------------------------
voice_awk='
function deg2lf(d,    o, i) {
    o = int((d + 700) / 7) - 100          # floor division that also works below 0
    i = d - 7 * o
    return ltonic + (1200 * o + sc[i]) / 1200 * LN2
}
function silence(sec,    n, i) {
    n = int(sec * fs + 0.5)
    for (i = 0; i < n; i++) print "0 0"
    gs += n
}
function clamp01(x) { return x < 0 ? 0 : (x > 1 ? 1 : x) }
function render(p,    n, j, T, N, s, t, lf, vd, vt, dyn, tn, env, bd, d, x, k, y, semis, f, inc, rel, nz) {
    n = nn[p]; T = 0
    for (j = 1; j <= n; j++) {
        st[j] = T; T += du[p, j]
        lt[j] = deg2lf(dg[p, j])
        dy[j] = 0.72 + 0.28 * (dg[p, j] - dmin) / (dmax - dmin)
        orn[j] = (du[p, j] < 0.3)
    }
    st[n + 1] = T
    N = int(T * fs + 0.5)
    rel = (p == np) ? 1.4 : 0.45
    lf = lt[1] - 0.7 * LN2 / 12            # each breath scoops up into its first note
    vd = 0; dyn = dy[1]; j = 1; inc = 0
    for (s = 0; s < N; s++) {
        t = s / fs
        while (j < n && t >= st[j + 1]) j++
        lf += (lt[j] - lf) * (orn[j] ? kfast : kslow)
        tn = t - st[j]
        vt = (du[p, j] >= 0.5) ? VD * clamp01((tn - 0.2) / 0.5) : 0
        vd += (vt - vd) * kvib
        dyn += (dy[j] - dyn) * kdyn
        if (s % 16 == 0) {                 # pitch at control rate
            gt = gs / fs
            semis = vd * sin(TWO_PI * 5.1 * gt + 0.5 * sin(TWO_PI * 0.37 * gt)) \
                  + 0.05 * sin(TWO_PI * 0.29 * gt) + 0.03 * sin(TWO_PI * 0.71 * gt + 1.3)
            f = exp(lf + semis * LN2 / 12)
            inc = f / fs
        }
        ph += inc; if (ph >= 1) ph -= 1
        x = ph * TS; k = int(x); y = w[k] + (w[k + 1] - w[k]) * (x - k)

        env = 1
        if (t < 0.2) env = 0.5 - 0.5 * cos(PI * t / 0.2)
        if (t > T - rel) env *= 0.5 + 0.5 * cos(PI * clamp01((t - (T - rel)) / rel))
        bd = 1                             # a short dip where a new syllable starts
        if (j > 1 && !orn[j]) { d = tn / 0.05; if (d < 3) bd = 1 - 0.35 * exp(-d * d) }
        if (j < n && !orn[j + 1]) { d = (st[j + 1] - t) / 0.05; if (d < 3) bd *= 1 - 0.35 * exp(-d * d) }

        seed = (seed * 16807) % 2147483647 # fixed-seed breath noise
        nz = seed / 1073741823.5 - 1
        printf "0 %.6f\n", 0.25 * env * dyn * bd * (y + 0.03 * nz)
        gs++
    }
}
BEGIN {
    fs = '"$RATE"'; PI = atan2(0, -1); TWO_PI = 2 * PI; LN2 = log(2)
    tempo = 1; lead = 0.5; tail = 4; np = 0; dmin = 1e9; dmax = -1e9
    VD = 0.28                               # vibrato depth in semitones
    kfast = 1 - exp(-1 / (0.030 * fs)); kslow = 1 - exp(-1 / (0.060 * fs))
    kvib = 1 - exp(-1 / (0.12 * fs));   kdyn = 1 - exp(-1 / (0.15 * fs))
    seed = 12345; gs = 0; ph = 0
}
$1 == "tonic" { ltonic = log($2 + 0) }
$1 == "scale" { for (i = 0; i < 7; i++) sc[i] = $(i + 2) + 0 }
$1 == "tempo" { tempo = $2 + 0 }
$1 == "lead"  { lead = $2 + 0 }
$1 == "tail"  { tail = $2 + 0 }
$1 == "phrase" {
    np++; pause[np] = $2 + 0; nn[np] = NF - 2
    for (i = 3; i <= NF; i++) {
        if (split($i, a, ":") != 2) { print "bad note " $i > "/dev/stderr"; exit 1 }
        dg[np, i - 2] = a[1] + 0; du[np, i - 2] = (a[2] + 0) * tempo
        if (a[1] + 0 < dmin) dmin = a[1] + 0
        if (a[1] + 0 > dmax) dmax = a[1] + 0
    }
}
END {
    if (np == 0) { print "no phrases" > "/dev/stderr"; exit 1 }
    # One period of the source: 24 harmonics falling off as n^-1.2.
    TS = 4096; peak = 0
    for (k = 0; k <= TS; k++) {
        v = 0
        for (h = 1; h <= 24; h++) v += h ^ -1.2 * sin(TWO_PI * h * k / TS)
        w[k] = v; if (v > peak) peak = v; if (-v > peak) peak = -v
    }
    for (k = 0; k <= TS; k++) w[k] /= peak
    print "; Sample Rate " fs
    print "; Channels 1"
    silence(lead)
    for (p = 1; p <= np; p++) { render(p); silence(pause[p]) }
    silence(tail)
}'

# ---------------------------------------------------------------------------
# A soft bell: each note is a few decaying partials. Arguments in -v notes=
# "ONSET:HZ:VELOCITY ..." and -v len=SECONDS.
# ---------------------------------------------------------------------------
bell_awk='
BEGIN {
    fs = '"$RATE"'; PI = atan2(0, -1); TWO_PI = 2 * PI
    nb = split(notes, nl, " ")
    for (i = 1; i <= nb; i++) { split(nl[i], a, ":"); on[i] = a[1]; hz[i] = a[2]; vel[i] = a[3] }
    # partial ratio, level, decay time in seconds
    np = split("1 2 2.76 4.07", pr, " "); split("1 0.22 0.07 0.03", pa, " "); split("0.85 0.45 0.3 0.18", pt, " ")
    print "; Sample Rate " fs
    print "; Channels 1"
    N = int(len * fs + 0.5)
    for (s = 0; s < N; s++) {
        t = s / fs; y = 0
        for (i = 1; i <= nb; i++) {
            tn = t - on[i]
            if (tn < 0) continue
            att = tn < 0.006 ? 0.5 - 0.5 * cos(PI * tn / 0.006) : 1
            for (q = 1; q <= np; q++) y += vel[i] * att * pa[q] * exp(-tn / pt[q]) * sin(TWO_PI * hz[i] * pr[q] * tn)
        }
        printf "0 %.6f\n", 0.2 * y
    }
}'

# encode WAV OGG TITLE SERIAL
encode() {
    oggenc -Q -q "$QUALITY" --serial "$4" \
        -t "$3" -a "Ravla Namaz Vakti" \
        -c "COMMENT=Placeholder melody made by the Ravla Namaz Vakti project, not a recording of an adhan" \
        -o "$2" "$1"
}

# make_call NAME SERIAL  (description on standard input)
make_call() {
    local name="$1" serial="$2"
    # Through a float WAV first: sox's fade needs to know the length.
    awk "$voice_awk" | sox -R -t dat - -e floating-point -b 32 "$tmp/$name.raw.wav"
    # Formant-like peaks of an open "a" vowel, then a small hall. The reverb's
    # stereo depth is 0: with more, sox turns the chain stereo and the fade
    # below miscounts the length and cuts the file in half.
    # -R: repeatable, -D: no dither, so the bytes do not change from run to run.
    sox -R -D "$tmp/$name.raw.wav" -b 16 "$tmp/$name.wav" \
        highpass 70 \
        equalizer 700 1.2q 6 equalizer 1150 1.6q 4 equalizer 2700 2.5q 3 \
        lowpass 5000 \
        reverb 40 55 70 0 20 -4 \
        highpass 30 \
        fade q 0.3 -0 4 \
        norm -3
    encode "$tmp/$name.wav" "$ezan_dir/$name.ogg" "$name (placeholder)" "$serial"
}

# Fecir: the morning call. Bayati-like scale on D3 with a three-quarter-tone
# second step; low and ornate, with the extra morning phrase
# ("as-salatu khayrun min an-nawm") twice before the closing phrases.
make_call Fecir 1001 <<'EOF'
tonic 146.83
scale 0 150 300 500 700 800 1000
tempo 1.0
phrase 2.2 0:0.7 0:0.4 1:0.2 0:0.2 -1:0.2 0:1.2 1:0.3 2:0.8 1:0.2 0:0.2 1:0.3 0:1.6
phrase 2.0 0:0.5 2:0.9 3:0.25 2:0.2 1:0.2 2:0.9 3:0.3 2:0.25 1:0.3 0:1.8
phrase 2.0 2:0.5 3:0.9 4:0.3 3:0.2 2:0.3 3:0.8 2:0.25 1:0.25 2:0.3 1:0.3 0:1.7
phrase 2.2 3:0.5 4:1.0 5:0.25 4:0.25 3:0.3 4:0.7 3:0.25 2:0.3 1:0.25 2:1.6
phrase 2.0 4:0.6 4:0.4 5:0.3 4:0.25 3:0.5 4:0.9 5:0.2 4:0.2 3:0.3 2:0.4 1:0.25 2:1.8
phrase 2.2 4:0.5 6:0.9 7:0.3 6:0.25 5:0.25 4:0.8 3:0.3 4:0.25 3:0.25 2:0.4 1:0.3 0:1.8
phrase 2.0 4:0.6 7:1.3 8:0.25 7:0.25 6:0.3 7:0.6 6:0.25 5:0.3 4:1.8
phrase 2.2 5:0.5 7:0.7 8:0.3 9:1.0 8:0.25 7:0.25 6:0.3 5:0.3 4:1.9
phrase 2.0 4:0.5 5:0.4 6:0.9 5:0.25 4:0.25 3:0.6 4:0.3 3:0.25 2:1.8
phrase 2.2 2:0.5 4:0.8 5:0.25 4:0.25 3:0.3 2:0.6 1:0.3 2:0.25 1:0.25 0:1.9
phrase 2.0 5:0.6 5:0.4 6:0.25 5:0.25 4:0.9 5:0.3 4:0.25 3:0.3 4:0.8 3:0.25 2:1.8
phrase 2.2 3:0.5 5:0.8 6:0.3 7:0.9 6:0.25 5:0.25 4:0.6 3:0.25 2:0.3 1:0.25 2:1.9
phrase 2.0 2:0.5 3:0.6 4:1.0 3:0.25 2:0.25 1:0.6 2:0.3 1:0.25 0:1.8
phrase 0 2:0.7 1:0.5 0:1.0 1:0.3 0:0.25 -1:0.6 0:3.2
EOF

# Aksa: the call for the other four prayers. Rast-like scale on C3 (three-
# quarter-tone third and seventh); plainer, climbing steadily to the octave.
make_call Aksa 1002 <<'EOF'
tonic 130.81
scale 0 200 350 500 700 900 1050
tempo 1.0
phrase 2.0 0:0.6 0:1.0 1:0.2 2:0.25 1:0.2 0:0.8 -1:0.25 0:1.4
phrase 2.0 0:0.5 2:0.9 3:0.2 2:0.2 1:0.25 2:0.6 1:0.25 0:0.3 1:0.2 0:1.5
phrase 2.0 2:0.5 2:0.8 3:0.25 4:1.0 3:0.2 2:0.25 3:0.2 2:0.5 1:0.3 0:1.5
phrase 2.2 2:0.4 4:0.9 5:0.25 4:0.25 3:0.6 4:0.3 3:0.2 2:0.6 1:0.3 2:1.4
phrase 2.0 4:0.5 4:0.7 5:0.3 6:0.25 5:0.25 4:0.9 3:0.25 2:0.3 3:0.25 2:1.5
phrase 2.2 4:0.4 5:0.6 6:0.3 7:1.1 6:0.2 5:0.25 4:0.6 3:0.3 2:0.3 1:0.25 2:1.5
phrase 2.0 4:0.6 7:1.2 8:0.25 7:0.25 6:0.3 5:0.6 4:1.5
phrase 2.2 5:0.5 7:0.8 9:0.8 8:0.25 7:0.25 6:0.3 7:0.3 6:0.25 5:0.3 4:1.6
phrase 2.0 4:0.5 5:0.5 7:1.0 6:0.3 5:0.25 4:0.6 3:0.3 2:1.5
phrase 2.2 2:0.4 4:0.6 5:0.3 6:0.25 5:0.3 4:0.9 3:0.25 2:0.3 1:0.25 0:1.6
phrase 2.0 0:0.5 2:0.7 4:1.0 3:0.25 2:0.25 1:0.6 2:0.3 1:0.25 0:1.6
phrase 0 2:0.6 1:0.4 0:0.9 1:0.25 0:0.25 -1:0.5 0:3.0
EOF

# Mekke: the fallback call. Hijaz scale on A2 (the augmented second between
# the second and third steps); long held notes and wide leaps to the octave.
make_call Mekke 1003 <<'EOF'
tonic 110.00
scale 0 100 400 500 700 800 1000
tempo 1.0
phrase 2.4 0:0.8 0:1.4 1:0.3 2:1.0 1:0.3 0:2.0
phrase 2.4 2:0.6 4:1.6 3:0.3 2:0.4 1:0.3 0:2.0
phrase 2.4 4:0.6 4:0.9 5:0.3 4:1.2 3:0.3 2:0.4 3:0.3 2:1.8
phrase 2.6 4:0.5 7:1.5 6:0.3 5:0.4 4:1.2 3:0.3 2:1.6
phrase 2.4 7:0.6 7:1.2 8:0.3 7:0.4 6:0.3 5:1.0 4:0.4 3:0.3 4:1.8
phrase 2.6 7:0.5 9:1.4 8:0.3 7:0.4 6:0.8 5:0.3 4:1.9
phrase 2.4 4:0.6 7:1.0 9:1.6 8:0.3 7:0.3 6:0.4 7:1.8
phrase 2.6 7:0.5 9:0.8 10:1.6 9:0.3 8:0.3 7:0.5 6:0.3 7:1.8
phrase 2.4 9:0.6 8:0.5 7:1.3 6:0.3 5:0.3 4:1.0 3:0.3 4:1.7
phrase 2.6 4:0.5 5:0.6 4:0.4 3:0.3 2:1.2 1:0.3 2:0.4 1:0.3 0:1.8
phrase 2.4 0:0.6 2:0.8 4:1.4 3:0.3 2:0.4 1:0.3 0:1.8
phrase 0 4:0.8 3:0.5 2:1.2 1:0.4 0:0.5 -1:0.6 0:3.4
EOF

# Reminder: two soft bell notes, a falling major third (E5, C5).
awk -v notes="0.05:659.26:1.0 0.65:523.25:0.85" -v len=3.2 "$bell_awk" |
    sox -R -t dat - -e floating-point -b 32 "$tmp/bell.raw.wav"
sox -R -D "$tmp/bell.raw.wav" -b 16 "$tmp/Hatirlatma.wav" \
    highpass 40 reverb 30 60 50 0 0 -8 fade q 0.005 -0 0.8 norm -6
encode "$tmp/Hatirlatma.wav" "$reminder_dir/Hatirlatma.ogg" "Hatirlatma (reminder tone)" 1004

for f in "$ezan_dir"/Fecir.ogg "$ezan_dir"/Aksa.ogg "$ezan_dir"/Mekke.ogg "$reminder_dir"/Hatirlatma.ogg; do
    echo "wrote ${f#"$root"/} ($(stat -c %s "$f") bytes)"
done
