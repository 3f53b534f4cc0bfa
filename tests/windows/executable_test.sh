#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# What Windows and Explorer read from an executable: a 64-bit GUI program (no console window),
# with ASLR over the whole 64-bit space and DEP, and with its icon and version information.
# Usage: executable_test.sh EXE...
set -eu
fail() { echo "FAIL: $*"; exit 1; }

for exe in "$@"; do
    name=$(basename "$exe")
    headers=$(LC_ALL=C x86_64-w64-mingw32-objdump -p "$exe")
    echo "$headers" | grep -q '^Magic[[:space:]]*020b' || fail "$name: not a 64-bit executable"
    echo "$headers" | grep -q '^Subsystem.*(Windows GUI)' || fail "$name: not a GUI program"
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        echo "$headers" | grep -q "^[[:space:]]*$flag\$" || fail "$name: built without $flag"
    done
    resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
    echo "$resources" | grep -q 'RT_GROUP_ICON' || fail "$name: no icon"
    echo "$resources" | grep -q 'VALUE "FileVersion", "[0-9.]*"' || fail "$name: no version information"
    echo "$name: a 64-bit GUI program with ASLR, DEP, its icon and version information"
done
