#!/usr/bin/env bash
# Renders the hand-written SVG artwork in resources/art/ to the PNG files
# in resources/iconlar/resim/ that the program loads, and the application icon
# (resources/desktop/ravla.svg) to the sizes the desktop's icon theme wants.
#
# Needs: rsvg-convert (Debian package librsvg2-bin). No fonts are needed:
# the only lettering (the name in tepe.svg) is stored as outlines.
# Optional: pngquant and optipng (Debian packages of the same names); when
# present they shrink the PNG files, when absent the PNGs are still correct.
#
# Usage: tools/artwork/render.sh        (works from any directory)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
src="$root/resources/art"
out="$root/resources/iconlar/resim"

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}
mkdir -p "$out"

# name   width height
sizes='
tepe       730 36
sol        160 411
zorvalik   560 440
cami        51 48
camik       51 48
isik        40 45
cal         64 64
dur         64 64
ses         64 64
ayar        64 64
kabekucuk   64 64
bilgi       64 64
turk        60 40
alman       60 40
ingiliz     60 40
arap        60 40
Dunya       64 64
YeniBolge   64 64
yontem      64 64
ezan        80 80
kabe       201 141
takvim      64 64
'

have_pngquant=0; command -v pngquant >/dev/null 2>&1 && have_pngquant=1
have_optipng=0;  command -v optipng  >/dev/null 2>&1 && have_optipng=1

count=0
while read -r name w h; do
    [ -n "${name:-}" ] || continue
    svg="$src/$name.svg"
    png="$out/$name.png"
    [ -f "$svg" ] || { echo "render.sh: missing $svg" >&2; exit 1; }
    rsvg-convert --width "$w" --height "$h" --format png --output "$png.tmp" "$svg"
    mv "$png.tmp" "$png"
    if [ "$have_pngquant" = 1 ]; then
        # 8-bit palette only where it keeps the picture faithful;
        # pngquant leaves the file alone when the quality floor is not met.
        pngquant --quality=88-100 --speed 1 --strip --skip-if-larger \
                 --force --output "$png" -- "$png" || true
    fi
    if [ "$have_optipng" = 1 ]; then
        optipng -quiet -o5 -strip all -- "$png"
    fi
    count=$((count + 1))
    printf '%-14s %4sx%-4s %7s bytes\n' "$name.png" "$w" "$h" "$(wc -c <"$png")"
done <<<"$sizes"
echo "render.sh: rendered $count images into $out"

# The application icon: the window's own (compiled in) and the desktop's hicolor sizes.
icon="$root/resources/desktop/ravla.svg"
rsvg-convert --width 64 --height 64 --format png --output "$out/ravla.png" "$icon"
mkdir -p "$root/resources/desktop/icons"
for s in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$s" --height "$s" --format png \
        --output "$root/resources/desktop/icons/$s.png" "$icon"
    if [ "$have_optipng" = 1 ]; then
        optipng -quiet -o5 -strip all -- "$root/resources/desktop/icons/$s.png"
    fi
done
echo "render.sh: rendered the application icon"
