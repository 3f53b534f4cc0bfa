#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# Starts the program on a virtual X server with a session bus and an accessibility bus whose
# status says a screen reader is on, then runs atspi_test.py against it.
# Usage: atspi_test.sh PROGRAM
set -eu
here=$(dirname "$0")
exec xvfb-run -a dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
    for i in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
            string:ScreenReaderEnabled variant:boolean:true >/dev/null 2>&1 && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=xcb "$1" & program=$!
    status=0
    /usr/bin/python3 "$2" || status=$?
    kill $program $launcher 2>/dev/null || true
    exit $status' sh "$1" "$here/atspi_test.py"
