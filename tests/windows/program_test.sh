#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# The Windows program as a user gets it: unzipped into a new folder and started under Wine with
# nothing on its DLL path but that folder. It must show the main window in its designed state,
# calculate Po/P = 2 typed at the keyboard and ended with Enter, and open the About window.
# The boxes are read through the clipboard, as a user would copy them. Run on an X display.
# Usage: program_test.sh ZIP SCREENSHOT_FOLDER
set -eu
zip=$(realpath "$1")
shots=$2
fail() { echo "FAIL: $*"; exit 1; }

folder=$(mktemp -d)
trap 'kill $program 2>/dev/null || true; rm -rf "$folder"' EXIT
program=
(cd "$folder" && cmake -E tar xf "$zip")
exe=$(ls "$folder"/*/velmoric-flow-equations.exe)
mkdir -p "$shots"

# A GUI program (no console window), with ASLR over the whole 64-bit space and DEP, and with
# its icon and version information.
headers=$(LC_ALL=C x86_64-w64-mingw32-objdump -p "$exe")
echo "$headers" | grep -q '^Subsystem.*(Windows GUI)' || fail "not a GUI program"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    echo "$headers" | grep -q "^[[:space:]]*$flag\$" || fail "built without $flag"
done
resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
echo "$resources" | grep -q 'RT_GROUP_ICON' || fail "no icon"
echo "$resources" | grep -q 'VALUE "FileVersion", "[0-9.]*"' || fail "no version information"

unset WINEPATH
wine "$exe" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^VelmoricFlow Equations$' |
    head -n 1) || fail "no main window within 60 s"
xdotool windowfocus --sync "$window"
sleep 1

# The text of the box that has the keyboard focus.
copy() {
    xdotool key ctrl+a ctrl+c
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null || true
}
expect() {
    actual=$(copy)
    [ "$actual" = "$2" ] || fail "$1: '$actual', expected '$2'"
}

# Focus starts in the rho_o/rho box; the tab order then runs To/T, gamma, the options, M, Po/P.
expect "rho_o/rho at start" 1
xdotool key Tab
expect "To/T at start" 1
xdotool key Tab
expect "gamma at start" 1.4
xdotool key Tab Tab
expect "M at start" 0
xdotool key Tab
expect "Po/P at start" 1
import -window "$window" "$shots/main-window-start.png"

# Back to the options (focus on M, none chosen), down to Po/P and choose it; its box follows.
xdotool key shift+Tab shift+Tab Down space
sleep 0.5
xdotool key Tab
expect "Po/P after choosing it" " "
xdotool key ctrl+a type 2
xdotool key Return
sleep 0.5
expect "Po/P after Enter" 2
xdotool key Tab Tab
expect "rho_o/rho" 1.6407
xdotool key Tab
expect "To/T" 1.219
xdotool key Tab Tab Tab
expect "M" 1.0465
import -window "$window" "$shots/main-window.png"

# The About item is a command on the menu bar itself, at its left end. The menu bar (18 px)
# and the client area under it (182 px) are at the bottom of the window, inside the frame
# that Wine draws around them as thick at the sides as at the bottom.
eval "$(xdotool getwindowgeometry --shell "$window")"
frame=$(((WIDTH - 221) / 2))
xdotool mousemove --sync $((X + frame + 20)) $((Y + HEIGHT - frame - 182 - 9)) click 1
about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About$' | head -n 1) ||
    fail "no About window within 20 s"
sleep 0.5
import -window "$about" "$shots/about-window.png"
echo "the Windows program works under Wine: designed state, Po/P = 2, About"
