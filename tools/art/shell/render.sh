#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the Kondrix shell artwork and About window sounds.
# Needs: python3, rsvg-convert, ImageMagick 6 (/usr/bin/convert), sox.
set -eu

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../../.." && pwd)
SVG="$HERE/svg"
IM=/usr/bin/convert

python3 "$HERE/gen_svg.py" "$SVG"

mkdir -p "$ROOT/packaging/icons" "$ROOT/app/res/icons" "$ROOT/ui/res" "$ROOT/calculators/res" "$ROOT/data/Wav"

# strip metadata (timestamps) so re-runs give identical files
png() { # svg out w h
    rsvg-convert -w "$3" -h "$4" -o "$2.tmp.png" "$1"
    "$IM" "$2.tmp.png" -strip "PNG32:$2"
    rm -f "$2.tmp.png"
}

for n in $(seq -w 1 17); do
    png "$SVG/icon_$n.svg" "$ROOT/app/res/icons/$n.png" 32 32
done
png "$SVG/kondrix.svg"        "$ROOT/app/res/kondrix.png"               64 64
# desktop icon sizes (the SVG itself is installed as the scalable one)
for s in 16 22 24 32 48 64 128 256; do
    png "$SVG/kondrix.svg" "$ROOT/packaging/icons/$s.png" "$s" "$s"
done
png "$SVG/trafo_settings.svg" "$ROOT/calculators/res/trafo_settings.png" 32 32

# opaque pictures for the About window
rsvg-convert -w 377 -h 265 -o /tmp/kondrix_about_bg.png "$SVG/about_bg.svg"
"$IM" /tmp/kondrix_about_bg.png -strip -background white -alpha remove -alpha off \
    "PNG24:$ROOT/ui/res/about_bg.png"
rsvg-convert -w 612 -h 55 -o /tmp/kondrix_about_strip.png "$SVG/about_strip.svg"
"$IM" /tmp/kondrix_about_strip.png -strip -background white -alpha remove -alpha off \
    "PNG24:$ROOT/ui/res/about_strip.png"
rm -f /tmp/kondrix_about_bg.png /tmp/kondrix_about_strip.png

# ---- sounds: 22050 Hz, 16-bit, mono ----
WAV="$ROOT/data/Wav"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
SOX="sox -D -R"   # no dither, repeatable output

note() { # out freq length
    # fundamental plus a soft octave partial, quick attack, long soft decay
    $SOX -n -r 22050 -b 16 -c 1 "$T/a.wav" synth "$3" sine "$2" fade q 0.015 "$3" "$(awk "BEGIN{print $3*0.85}")"
    $SOX -n -r 22050 -b 16 -c 1 "$T/b.wav" synth "$3" sine "$(awk "BEGIN{print $2*2}")" fade q 0.012 "$3" "$(awk "BEGIN{print $3*0.95}")" vol 0.25
    $SOX -m "$T/a.wav" "$T/b.wav" "$1"
}

# opening chime: C6 E6 G6 rising
note "$T/n1.wav" 1046.50 0.30
note "$T/n2.wav" 1318.51 0.30
note "$T/n3.wav" 1567.98 0.36
$SOX "$T/n2.wav" "$T/n2p.wav" pad 0.12
$SOX "$T/n3.wav" "$T/n3p.wav" pad 0.24
$SOX -m "$T/n1.wav" "$T/n2p.wav" "$T/n3p.wav" -r 22050 -b 16 -c 1 "$T/o.wav"
$SOX "$T/o.wav" -r 22050 -b 16 -c 1 "$WAV/about1.wav" norm -4 fade q 0.005 0.6 0.06

# closing chime: G6 D6 falling
note "$T/m1.wav" 1567.98 0.26
note "$T/m2.wav" 1174.66 0.36
$SOX "$T/m2.wav" "$T/m2p.wav" pad 0.14
$SOX -m "$T/m1.wav" "$T/m2p.wav" -r 22050 -b 16 -c 1 "$T/c.wav"
$SOX "$T/c.wav" -r 22050 -b 16 -c 1 "$WAV/about2.wav" norm -4 fade q 0.005 0.5 0.08
