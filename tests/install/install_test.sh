#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs this build into a temporary prefix and checks it as a desktop and a
# user meet it: the layout, the desktop entry and metainfo validators, the
# manual pages, a start from bin/kondrix, data found through the XDG data
# directories, and settings saved by a user who cannot write the installed
# data folder.
# Usage: install_test.sh BUILD_DIR OPEN_WATCH INSTALLED_SETTINGS_TEST VERSION
set -euo pipefail
build=$1 watch=$2 probe=$3 version=$4
id=hu.kondrix.Kondrix
fail() { echo "FAIL: $*" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
prefix=$tmp/prefix
app=$prefix/lib/kondrix
data=$prefix/share/kondrix
cmake --install "$build" --prefix "$prefix" >/dev/null

[ -L "$prefix/bin/kondrix" ] || fail "bin/kondrix is not a link"
[ "$(readlink -f "$prefix/bin/kondrix")" = "$(readlink -f "$app/kondrix")" ] || fail "bin/kondrix does not lead to $app/kondrix"
for f in lib/kondrix/kondrix lib/kondrix/kondrix-cli \
         share/kondrix/trafo.ini share/kondrix/help.htm share/kondrix/Tranzisztor/f00.txt \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/doc/kondrix/copyright share/doc/kondrix/changelog.gz \
         share/man/man1/kondrix.1.gz share/man/man1/kondrix-cli.1.gz \
         share/man/hu/man1/kondrix.1.gz share/man/hu/man1/kondrix-cli.1.gz; do
  [ -f "$prefix/$f" ] || fail "missing $f"
done
# The data is architecture-independent: none of it in lib/kondrix.
misplaced=$(find "$app" -not -type d -not -name 'kondrix*' -not -name '*.so')
[ -z "$misplaced" ] || fail "data in lib/kondrix: $misplaced"
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "missing icon $png"
  # width and height from the PNG header
  [ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')" = "0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))" ] \
    || fail "$png is not ${size}x${size}"
done

# Sound comes from a module beside the program, loaded on the first sound.
[ -f "$app/plugins/kondrix_sound.so" ] || fail "missing lib/kondrix/plugins/kondrix_sound.so"

# The validators: any remark counts (desktop-file-validate exits 0 on hints).
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $out"
[ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo"
! grep -q "@[A-Z_]*@" "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo: an unreplaced @VARIABLE@"

# Manual pages: found by man, English by default, rendered without a warning.
for page in kondrix kondrix-cli; do
  [ "$(LC_ALL=C MANPATH=$prefix/share/man man -w "$page")" = "$prefix/share/man/man1/$page.1.gz" ] \
    || fail "man -w $page"
  [ "$(LC_ALL=C MANPATH=$prefix/share/man man -L hu -w "$page")" = "$prefix/share/man/hu/man1/$page.1.gz" ] \
    || fail "man -w $page in Hungarian"
  for f in "$prefix/share/man/man1/$page.1.gz" "$prefix/share/man/hu/man1/$page.1.gz"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$f" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$f: $warnings"
  done
done

# Version and help need no display.
for exe in kondrix kondrix-cli; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$exe" --version) || fail "$exe --version"
  [ "$out" = "$exe $version" ] || fail "$exe --version printed: $out"
done
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/kondrix" --help) || fail "kondrix --help"
grep -q -- "--version" <<<"$help" && grep -q -- "--help" <<<"$help" || fail "kondrix --help printed: $help"
# Qt takes its own options; an unknown one is named, not ignored.
rc=0
err=$(XDG_RUNTIME_DIR="$tmp" "$prefix/bin/kondrix" -platform offscreen --bogus 2>&1 >/dev/null) || rc=$?
[ $rc -eq 2 ] && grep -q "Ismeretlen kapcsoló: --bogus" <<<"$err" || fail "kondrix --bogus: $err"

# Started through the link, the program reads its settings from share/kondrix.
mkdir -p "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
env -u XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" \
  "$watch" "$data" trafo.ini 60 "$prefix/bin/kondrix" || fail "bin/kondrix did not start with its data"

# Data moved out of the installation is found through XDG_DATA_DIRS.
mkdir "$tmp/xdg"
mv "$data" "$tmp/xdg/kondrix"
out=$(HOME="$tmp/home" XDG_DATA_DIRS="$tmp/xdg" LC_ALL=C.UTF-8 "$prefix/bin/kondrix-cli" smd 22A) \
  || fail "kondrix-cli without data in its installation"
grep -q "165 ohm" <<<"$out" || fail "kondrix-cli smd 22A through XDG_DATA_DIRS printed: $out"
mv "$tmp/xdg/kondrix" "$data"

# A user who cannot write the installed data folder. Root writes into any
# folder whatever its permission bits, so as root the check runs as the
# unprivileged user nobody, to whom the root-owned install is read-only just
# as /usr/lib/kondrix is to a desktop user; otherwise the folder loses its
# write bits. The test program is copied out of the build folder so that
# nobody can reach it.
home=$tmp/user
mkdir -p "$home" "$tmp/user-run"
chmod 700 "$tmp/user-run"
cp "$probe" "$tmp/installed_settings_test"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home" "$tmp/user-run"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$data"
fi
before=$(sha256sum "$data/trafo.ini")
(cd "$tmp" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
   HOME="$home" XDG_RUNTIME_DIR="$tmp/user-run" QT_QPA_PLATFORM=offscreen KONDRIX_INSTALLED_APPDIR="$data" \
   "${as_user[@]}" "$tmp/installed_settings_test") || fail "settings in a read-only install"
[ "$(sha256sum "$data/trafo.ini")" = "$before" ] || fail "the installed trafo.ini changed"
[ -f "$home/.config/kondrix/trafo.ini" ] || fail "no trafo.ini in the user's folder"
echo "install_test: passed"
