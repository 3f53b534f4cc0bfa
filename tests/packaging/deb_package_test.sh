#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks it with lintian, installs it with apt-get, starts the
# installed program on a virtual X server and removes the package again. Needs root.
# Usage: deb_package_test.sh BUILD_DIR PACKAGE VERSION
set -eu
build=$1
package=$2
version=$3
fail() { echo "FAIL: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: $package is installed already; the test leaves it alone"
    exit 77
fi

out=$(mktemp -d)
trap 'apt-get remove -y -q "$package" >/dev/null 2>&1 || true; rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-dejavu-core libqt6widgets6 libc6; do
    echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done

# On a Wayland desktop the program runs natively with Qt's Wayland plugin.
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "$recommends" | grep -q qt6-wayland || fail "Recommends lacks qt6-wayland: $recommends"
# The copyright file names the licences in the machine-readable format.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/"$package"/copyright >"$out/copyright"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$out/copyright" ||
    fail "the copyright file is not in the machine-readable format"
grep -qx 'License: MIT' "$out/copyright" || fail "the copyright file does not name MIT"

# Every tag counts, pedantic ones too: lintian fails on any of them.
report=$(lintian --pedantic --fail-on error,warning,info,pedantic "$deb" 2>&1) || fail "lintian: $report"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
[ -x "/usr/bin/$package" ] || fail "/usr/bin/$package is not installed"

# The installed program starts and shows its main window, on the X server whatever platform
# the other tests use.
xvfb-run -a sh -c '
    QT_QPA_PLATFORM=xcb "$1" & pid=$!
    timeout 20 xdotool search --sync --onlyvisible --pid $pid >/dev/null
    shown=$?
    kill $pid
    exit $shown' sh "/usr/bin/$package" || fail "the installed program showed no window"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -q "$package" >/dev/null
[ ! -e "/usr/bin/$package" ] || fail "/usr/bin/$package is still there after removal"
echo "package installs, starts and is removed"
