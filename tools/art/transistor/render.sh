#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the transistor catalog pictures of Kondrix from the SVG sources.
# Needs: python3, rsvg-convert, ImageMagick 6 (/usr/bin/convert).
set -eu

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../../.." && pwd)
SVG="$HERE/svg"
IM=/usr/bin/convert
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

python3 "$HERE/gen_svg.py" "$SVG"

DST="$ROOT/data/Tranzisztor"
mkdir -p "$DST/Tokpic" "$ROOT/catalogs/res"

jpg() { # svg out w h
    rsvg-convert -w "$3" -h "$4" -o "$T/x.png" "$1"
    "$IM" "$T/x.png" -strip -background white -alpha remove -alpha off \
        -sampling-factor 4:2:0 -quality 85 "$2"
}

for n in npn pnp npn1 pnp1 nmos pmos njfet pjfet nmos2g; do
    jpg "$SVG/$n.svg" "$DST/$n.jpg" 240 240
done

for n in TO1 TO3 TO66 TO126 TO202 TO218 TO220 TO247 TO3P \
         SOT32 SOT89 SOT223 SOT323 SOT93 TO220F TO262 IPAK DPAK D2PAK SO8; do
    jpg "$SVG/tok_$n.svg" "$DST/Tokpic/$n.jpg" 480 320
done
for n in TO5 TO18 TO39 TO72 TO92 SOT23 SOT143; do
    jpg "$SVG/tok_$n.svg" "$DST/Tokpic/$n.jpg" 320 420
done

rsvg-convert -w 99 -h 61 -o "$T/logo.png" "$SVG/logo.svg"
"$IM" "$T/logo.png" -strip "PNG32:$ROOT/catalogs/res/logo.png"
rsvg-convert -w 32 -h 32 -o "$T/cur.png" "$SVG/zoom_cursor.svg"
"$IM" "$T/cur.png" -strip "PNG32:$ROOT/catalogs/res/zoom_cursor.png"
