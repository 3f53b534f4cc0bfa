#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
# Starts a headless Wayland compositor (weston), runs the Wayland test on it through Qt's
# Wayland platform plugin, and checks that the compositor was given the program's app id.
# Usage: wayland_test.sh TEST_EXECUTABLE APP_ID
set -eu
test=$1
app_id=$2
fail() { echo "FAIL: $*"; exit 1; }

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
log=$XDG_RUNTIME_DIR/weston.log
socket=vfe-wayland-test
# The compositor logs every request it receives, so the app id can be read from its side.
WAYLAND_DEBUG=server weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
    >"$log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 $weston 2>/dev/null || { cat "$log"; fail "weston did not start"; }
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston opened no socket"

# A headless weston has no seat, and Qt 6.4's Wayland text-input context then crashes on the
# test's synthetic key presses; the compose input context, a desktop's usual one without an
# input method, types as a user would.
# Qt's Wayland plugin brings up EGL even for a window drawn without GL: it asks EGL whether it
# may draw the window's own title bar. EGL loads Mesa's software driver and unloads it at exit,
# before LeakSanitizer looks, so whatever the driver leaks would show as "<unknown module>",
# which no suppression matches. Loaded from the start, the driver stays to the end and its
# leaks are named; LeakSanitizer then needs to be told that it need not come first.
driver=
for found in /usr/lib/*/dri/swrast_dri.so; do
    [ -e "$found" ] && driver=$found
done
# Under LeakSanitizer, what Qt's Wayland plugin and Mesa leave behind at exit, not the program's
# to mend: a few of libwayland-client's objects (Qt 6.4 and 6.8), in Qt 6.8 the D-Bus watcher
# that libQt6Gui's QGenericUnixServices starts for the desktop portal and never deletes, and
# whatever Mesa's software driver leaves.
printf '%s\n' leak:libwayland-client.so leak:QGenericUnixServices::QGenericUnixServices \
    leak:swrast_dri.so >"$XDG_RUNTIME_DIR/lsan.supp"
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose LD_PRELOAD=$driver \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    LSAN_OPTIONS="suppressions=$XDG_RUNTIME_DIR/lsan.supp" "$test" ||
    fail "the Wayland test failed (weston's log: see above)"
# libwayland names the object xdg_toplevel@N in Debian 12 and xdg_toplevel#N in Debian 13.
grep -q "xdg_toplevel[@#][0-9]*\.set_app_id(\"$app_id\")" "$log" ||
    fail "weston was not given the app id $app_id"
echo "the compositor saw the app id $app_id"
