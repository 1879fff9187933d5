#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the diode catalog and dictionary pictures of Kondrix from the
# SVG sources. Needs: python3, rsvg-convert, ImageMagick (convert).
set -eu

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../../.." && pwd)
SVG="$HERE/svg"
IM=$(command -v convert)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

python3 "$HERE/gen_svg.py" "$SVG"

RES="$ROOT/catalogs/res"
mkdir -p "$RES/szotar"

png() { # svg out w h
    rsvg-convert -w "$3" -h "$4" -o "$T/x.png" "$1"
    "$IM" "$T/x.png" -strip "PNG32:$2"
}

for l in hu en de; do
    png "$SVG/flag_$l.svg" "$RES/szotar/flag_$l.png" 120 90
    for k in 1 2 3 4 5 6 7; do
        png "$SVG/anim_${l}_$k.svg" "$RES/szotar/anim_${l}_$k.png" 146 114
    done
done
png "$SVG/pointer.svg" "$RES/szotar/pointer.png" 32 32
png "$SVG/dioda.svg" "$RES/dioda.png" 406 170
