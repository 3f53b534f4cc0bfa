#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# The installer as the people who run lab machines use it, in a new Wine prefix: installed
# silently for the current user, the Start menu shortcut and the entry in the list of installed
# apps checked, the installed program driven, installed again over itself, then uninstalled
# silently, leaving nothing of it. FOLDER is the program's folder that the installer was made
# from: the installed files must be those. Run on an X display.
# Usage: installer_test.sh SETUP FOLDER SCREENSHOT_FOLDER
set -eu
setup=$(realpath "$1")
folder=$(realpath "$2")
shots=$3
here=$(dirname "$0")
fail() { printf 'FAIL: %s\n' "$*"; exit 1; }

WINEPREFIX=$(mktemp -d)
# No Linux menu entry for the shortcut: the test looks at Windows' own.
WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
export WINEPREFIX WINEDLLOVERRIDES
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wine wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

for home in "$WINEPREFIX"/drive_c/users/*; do
    [ "${home##*/}" = Public ] || user=${home##*/}
done
home=$WINEPREFIX/drive_c/users/$user
installed="$home/AppData/Local/Programs/Velmoric Flow Equations"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Velmoric Flow Equations.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.velmoric.flowequations'
# Everything in the prefix's drive but the temporary files, to tell what an installation left.
everything() {
    (cd "$WINEPREFIX/drive_c" && find . ! -path '*/Temp/*' ! -path '*/Temp' | LC_ALL=C sort)
}
files() { (cd "$1" && find . -type f | LC_ALL=C sort); }
value() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}
expect_value() {
    [ "$(value "$1")" = "$2" ] || fail "$1 is '$(value "$1")', expected '$2'"
}
install() {
    wine "$setup" /S
    wineserver -w
    [ -d "$installed" ] || fail "nothing was installed in $installed"
    # The program's folder exactly, and the uninstaller.
    [ "$(files "$installed")" = "$(printf '%s\n' "$(files "$folder")" ./uninstall.exe |
        LC_ALL=C sort)" ] || fail "the installed files are not the program's folder"
    for file in $(files "$folder"); do
        cmp -s "$folder/$file" "$installed/$file" || fail "$file differs from the program's"
    done
    [ -f "$shortcut" ] || fail "no Start menu shortcut"
    # A shortcut keeps its target's path in UTF-16: without its zero bytes, ASCII is plain.
    tr -d '\0' <"$shortcut" | LC_ALL=C grep -qa 'velmoric-flow-equations\.exe' ||
        fail "the shortcut does not start the program"
    expect_value DisplayName "Velmoric Flow Equations"
    expect_value DisplayVersion 1.00
    expect_value Publisher "The Velmoric developers"
    location="C:\\users\\$user\\AppData\\Local\\Programs\\Velmoric Flow Equations"
    expect_value InstallLocation "$location"
    expect_value DisplayIcon "$location\\velmoric-flow-equations.exe,0"
    expect_value UninstallString "\"$location\\uninstall.exe\""
    expect_value QuietUninstallString "\"$location\\uninstall.exe\" /S"
    expect_value NoModify 0x1
    expect_value NoRepair 0x1
    size=$(value EstimatedSize)
    [ "$((size))" -ge "$(($(du -sk "$folder" | cut -f1) * 9 / 10))" ] ||
        fail "EstimatedSize $size KB is less than the program's folder"
    # One entry, however often it is installed.
    [ "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null |
        tr -d '\r' | grep -ci 'velmoric')" -eq 1 ] || fail "more than one entry in the list of apps"
}

before=$(everything)
install
echo "installed silently: the program's files, the shortcut and the entry in the list of apps"
"$here/program_test.sh" "$installed" "$shots"

# Installing again replaces the installed copy: what was changed is made new again, and the
# list of apps keeps one entry.
echo changed >"$installed/LICENSE.txt"
install
echo "installed again over itself: one entry, the new files"

# The uninstaller takes exactly what was installed: a file of the user's in the folder stays.
echo "the user's own" >"$installed/notes.txt"
wine "$installed/uninstall.exe" /S
wineserver -w
[ "$(files "$installed")" = ./notes.txt ] ||
    fail "the program's folder holds $(files "$installed"), not just the user's notes.txt"
rm "$installed/notes.txt"
rmdir "$installed"
[ ! -e "$shortcut" ] || fail "the Start menu shortcut is still there"
if wine reg query "$key" >/dev/null 2>&1; then
    fail "the entry in the list of apps is still there"
fi

# Installed and removed with nothing of the user's in between, the prefix is as it was.
install
wine "$installed/uninstall.exe" /S
wineserver -w
after=$(everything)
if [ "$before" != "$after" ]; then
    printf '%s\n' "$before" >"$WINEPREFIX/before"
    fail "the installer left or removed these: $(printf '%s\n' "$after" | diff "$WINEPREFIX/before" - || true)"
fi
echo "uninstalled silently: exactly what was installed, nothing of it left"
