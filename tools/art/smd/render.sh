#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the SMD pictures of Kondrix: data/SMD/belső/*.JPG,
# data/SMD/tok/*.JPG and the illustrations of the passive code window.
# Run tools/make_smd_files.py first (it lists the base types and packages).
# Needs: python3, g++ and the Qt 6 development files (the drawings are
# rendered with Qt's own SVG image plugin).
set -eu

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../../.." && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

g++ -std=c++17 -O1 -fPIC "$HERE/svgrender.cpp" -o "$T/svgrender" $(pkg-config --cflags --libs Qt6Gui)
python3 "$HERE/gen_svg.py" "$T/svg" "$HERE/bases.tsv" "$HERE/packages.txt"

DST="$ROOT/data/SMD"
rm -rf "$DST/belső" "$DST/tok"
mkdir -p "$DST/belső" "$DST/tok" "$ROOT/decoders/res"
set --
while IFS="$(printf '\t')" read -r svg target w h; do
    case "$target" in
        res/*) out="$ROOT/decoders/$target" ;;
        *) out="$DST/$target" ;;
    esac
    set -- "$@" "$w" "$h" "$T/svg/$svg" "$out"
done < "$T/svg/list.tsv"
"$T/svgrender" "$@"
