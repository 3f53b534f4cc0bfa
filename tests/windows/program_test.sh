#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# The Windows program as a user gets it: unzipped into a new folder, or where the installer put
# it, and started under Wine with nothing on its DLL path but that folder. It must show the main
# window in its designed state, calculate Po/P = 2 typed at the keyboard and ended with Enter,
# and open the About window. The boxes are read through the clipboard, as a user would copy
# them. SCALE is the display's, as Wine's dots per inch set it (1 at 96 dpi). Run on an X
# display.
# Usage: program_test.sh ZIP_OR_FOLDER SCREENSHOT_FOLDER [SCALE]
set -eu
shots=$2
scale=${3:-1}
fail() { echo "FAIL: $*"; exit 1; }

folder=$(mktemp -d)
program=
# Wine's own processes go with the program, before the virtual X server does.
trap 'kill $program 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$folder"' EXIT
if [ -d "$1" ]; then
    exe=$1/velmoric-flow-equations.exe
else
    zip=$(realpath "$1")
    (cd "$folder" && cmake -E tar xf "$zip")
    exe=$(ls "$folder"/*/velmoric-flow-equations.exe)
fi
[ -f "$exe" ] || fail "no program in $1"
mkdir -p "$shots"
# Pixels at the display's scale, from the design's device-independent ones.
scaled() { awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.5 }'; }

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

# The window is the design's client area (221 x 182) and menu bar (18) at the display's scale,
# inside the frame that Wine draws around them as thick at the sides as at the bottom.
eval "$(xdotool getwindowgeometry --shell "$window")"
client_width=$(scaled 221)
client_height=$(scaled 182)
menu_height=$(scaled 18)
if [ "$WIDTH" -lt "$client_width" ] || [ "$HEIGHT" -lt $((client_height + menu_height)) ]; then
    fail "the window is $WIDTH x $HEIGHT, smaller than the design at scale $scale"
fi
# The About item is a command on the menu bar itself, at its left end.
frame=$(((WIDTH - client_width) / 2))
xdotool mousemove --sync $((X + frame + $(scaled 20))) \
    $((Y + HEIGHT - frame - client_height - menu_height / 2)) click 1
about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About$' | head -n 1) ||
    fail "no About window within 20 s"
sleep 0.5
import -window "$about" "$shots/about-window.png"
echo "the Windows program works under Wine at scale $scale: designed state, Po/P = 2, About"
