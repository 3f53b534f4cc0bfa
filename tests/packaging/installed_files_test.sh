#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# The installed program, desktop entry, AppStream metainfo and icons, as a desktop sees them.
# Usage: installed_files_test.sh BUILD_DIR APP_ID APPLICATION_NAME
set -eu
build=$1
id=$2
name=$3

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
share="$stage/usr/share"
desktop="$share/applications/$id.desktop"
fail() { echo "FAIL: $*"; exit 1; }

# desktop-file-validate exits 0 on hints too: clean means it prints nothing at all, in any
# language.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "$report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

# Its YAML report lists every issue, pedantic ones too, as a "tag"; a clean file has none. The
# one exception: validators before AppStream 1.0 (Debian 12 has 0.16) do not know the
# <developer> block that 1.0 and the app stores require, and call it an unknown tag.
metainfo="$share/metainfo/$id.metainfo.xml"
report=$(appstreamcli validate --no-net --pedantic --format=yaml "$metainfo" 2>&1) ||
    fail "$report"
issues=$(echo "$report" | awk '
    function count() { if (tag != "" && !(old && tag == "unknown-tag" && hint == "developer")) n++ }
    /^Validator: 0\./ { old = 1 }
    /^- tag:/ { count(); tag = $3; hint = "" }
    /^  hint:/ { hint = $2 }
    END { count(); print n + 0 }')
[ "$issues" -eq 0 ] || fail "appstreamcli: $report"
grep -q "<developer id=\"[^\"]*\">" "$metainfo" || fail "the metainfo names no developer"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the project licence is not MIT"
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" || fail "the metadata licence is not CC0-1.0"

# The window's WM_CLASS is the application name, so the desktop groups it with its entry.
grep -qx "StartupWMClass=$name" "$desktop" || fail "StartupWMClass is not $name"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not $id"
exec=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$stage/usr/bin/$exec" ] || fail "Exec=$exec is not an installed program"

icons="$share/icons/hicolor"
[ -s "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 48 128; do
    png="$icons/${size}x${size}/apps/$id.png"
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dimensions=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')
    [ "$dimensions" = " 0 0 0 $size 0 0 0 $size" ] || fail "$png is not $size x $size"
done

[ -s "$share/man/man1/$exec.1.gz" ] || fail "no manual page"
echo "installed files are valid"
