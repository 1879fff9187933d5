#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from this build, checks it with lintian when that
# is installed, installs it with apt, checks what it put on the system and
# that the program starts, then removes it and checks that nothing is left.
# Usage: package_test.sh BUILD_DIR OPEN_WATCH
set -euo pipefail
build=$1 watch=$2
id=hu.kondrix.Kondrix
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package needs root"
  exit 77
fi
# One package test at a time on this machine (several build folders may run it).
exec 9>/tmp/kondrix-package-test.lock
flock 9
if dpkg-query -W -f='${Status}' kondrix 2>/dev/null | grep -q "ok installed"; then
  echo "SKIP: a kondrix package is already installed here; it is left alone"
  exit 77
fi

tmp=$(mktemp -d)
apt_opts=(-y -qq -o DPkg::Lock::Timeout=600)
cleanup() {
  DEBIAN_FRONTEND=noninteractive apt-get purge "${apt_opts[@]}" kondrix >/dev/null 2>&1 || true
  rm -rf "$tmp"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$tmp/out") >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(echo "$tmp"/out/kondrix_*.deb)
[ -f "$deb" ] || fail "no package made"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q "libqt6widgets6" <<<"$depends" || fail "dependencies not found by dpkg-shlibdeps"

# No error or warning: the one accepted warning is overridden in the package,
# with its reason.
if command -v lintian >/dev/null; then
  lintian_out=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1 | grep -v "root privileges"; \
                exit "${PIPESTATUS[0]}") || fail "lintian: $lintian_out"
  echo "lintian: ${lintian_out:-no tags}"
else
  echo "lintian not installed: the package is not checked by it"
fi

DEBIAN_FRONTEND=noninteractive apt-get install "${apt_opts[@]}" --no-install-recommends "$deb" >"$tmp/apt.log" 2>&1 \
  || { cat "$tmp/apt.log"; fail "apt-get install"; }
listed=$(dpkg -L kondrix)
expected=(/usr/bin/kondrix /usr/lib/kondrix/kondrix /usr/share/kondrix/trafo.ini
          /usr/bin/kondrix-cli /usr/lib/kondrix/kondrix-cli /usr/share/kondrix/help.htm
          /usr/share/doc/kondrix/copyright /usr/share/doc/kondrix/changelog.gz
          /usr/share/man/man1/kondrix.1.gz /usr/share/man/man1/kondrix-cli.1.gz
          /usr/share/man/hu/man1/kondrix.1.gz /usr/share/man/hu/man1/kondrix-cli.1.gz
          /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml
          /usr/share/icons/hicolor/scalable/apps/$id.svg)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expected[@]}"; do
  grep -qx "$f" <<<"$listed" || fail "dpkg -L does not list $f"
done
grep -qx /usr/lib/kondrix/plugins/kondrix_sound.so <<<"$listed" || fail "no sound module"
grep -q libqt6multimedia6 <<<"$depends" || fail "the sound module's libraries are not in Depends"
echo "dpkg -L lists the program, desktop entry, metainfo and ${#expected[@]} files checked"
for page in kondrix kondrix-cli; do
  [ "$(LC_ALL=C man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] || fail "man -w $page"
done

# The menu entry starts what the package installed.
desktop=/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "installed desktop entry"
exec_cmd=$(sed -n 's/^Exec=//p' "$desktop")
[ "$(command -v "$exec_cmd")" = /usr/bin/kondrix ] || fail "Exec=$exec_cmd is not /usr/bin/kondrix"
mkdir -p "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
env -u XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" \
  "$watch" /usr/share/kondrix trafo.ini 60 /usr/bin/kondrix || fail "the installed program did not start with its data"

# The command line finds its data through the link too.
cli_out=$(HOME="$tmp/home" LC_ALL=C.UTF-8 /usr/bin/kondrix-cli smd 22A) || fail "kondrix-cli smd 22A failed"
grep -q "165 ohm" <<<"$cli_out" || fail "kondrix-cli smd 22A printed: $cli_out"
echo "kondrix-cli answers from /usr/bin"

DEBIAN_FRONTEND=noninteractive apt-get purge "${apt_opts[@]}" kondrix >"$tmp/apt.log" 2>&1 \
  || { cat "$tmp/apt.log"; fail "apt-get purge"; }
for f in $listed; do
  # folders shared with other packages (/usr/share/applications, ...) stay
  [ -d "$f" ] && [ ! -L "$f" ] && ! [[ "$f" =~ /kondrix$ ]] && continue
  [ ! -e "$f" ] && [ ! -L "$f" ] || fail "$f left after removal"
done
for d in /usr/lib/kondrix /usr/share/kondrix /usr/share/doc/kondrix; do
  [ ! -e "$d" ] || fail "$d left after removal"
done
! dpkg-query -W kondrix >/dev/null 2>&1 || fail "dpkg still knows the package"
echo "package_test: passed"
