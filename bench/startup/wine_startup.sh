#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# Times the Windows program's start under Wine beside a bare Qt window (a QMainWindow with a
# QLabel) and the same window registering the font that the program carries, all three built
# alike: main to first paint, each launched in turn, in a new order each round. Prints the
# medians, and the medians of the ratios to the bare window taken round by round, as the
# machine's speed drifts between rounds, hardly within one. Run on an X display, with
# WINEPREFIX set and Qt's and MinGW's DLLs on WINEPATH.
# Usage: wine_startup.sh BENCH_DIR [ROUNDS]
set -eu
bench=$1
rounds=${2:-15}
times=$(mktemp)
# Wine's own processes end with the timing, before the virtual X server does.
trap 'wineserver -k 2>/dev/null || true; rm -f "$times"' EXIT

launch() {
    us=$(wine "$bench/$1.exe" | tr -d '\r' | sed -n 's/^first_paint_us //p')
    [ -n "$us" ] || { echo "FAIL: $1 did not report its first paint" >&2; exit 1; }
    echo "$us"
}
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
milliseconds() {
    awk -v p="$1" '$2 == p { print $3 / 1000 }' "$times" | median
}
ratio() {
    awk -v p="$1" '{ t[$1, $2] = $3 } END { for (r = 1; r <= '"$rounds"'; r++) print t[r, p] / t[r, "bare"] }' \
        "$times" | median
}

for program in program bare font; do
    launch "startup_$program" >/dev/null # warm the caches, unmeasured
done
for round in $(seq "$rounds"); do
    case $((round % 3)) in
    0) order="program bare font" ;;
    1) order="bare font program" ;;
    *) order="font program bare" ;;
    esac
    for program in $order; do
        echo "$round $program $(launch "startup_$program")"
    done
done >"$times"

echo "| Under Wine, medians of $rounds launches | main to first paint | ratio to the bare window |"
echo "|---|---|---|"
echo "| the program | $(milliseconds program) ms | $(ratio program) |"
echo "| bare Qt window | $(milliseconds bare) ms | 1 |"
echo "| bare window registering DejaVu Sans | $(milliseconds font) ms | $(ratio font) |"
