#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
"""Drives the running program through the AT-SPI accessibility bus, as a screen reader does:
finds its controls by their spoken names, chooses an option, types, presses the button and
reads the results and the message boxes. Run by atspi_test.sh."""
import sys
import time

import pyatspi
from gi.repository import GLib
# Roles by their constants: their spoken names differ between AT-SPI versions ("push button"
# in Debian 12, "button" in Debian 13).
from pyatspi import ROLE_FRAME, ROLE_LABEL, ROLE_PUSH_BUTTON, ROLE_RADIO_BUTTON, ROLE_TEXT


def fail(why):
    print(f"FAIL: {why}")
    sys.exit(1)


def wait_for(find, what, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except GLib.GError:
            # A node went away while it was read, as a closing window's do: look again.
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    fail(f"no {what} within {seconds} s")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Velmoric Flow Equations":
            return app
    return None


def control(app, role, name):
    for node in descendants(app):
        if node.getRole() == role and node.name == name:
            return node
    return None


def text_of(node):
    return node.queryText().getText(0, -1)


def expect(actual, expected, what):
    if actual != expected:
        fail(f"{what}: {actual!r}, expected {expected!r}")


def press(node):
    node.queryAction().doAction(0)


def message(app, says):
    """The message box's text as read aloud; closes it with its OK button."""
    def shown():
        for node in descendants(app):
            if node.getRole() == ROLE_LABEL and says in node.name:
                return node
        return None
    spoken = wait_for(shown, f"message saying {says!r}").name
    press(wait_for(lambda: control(app, ROLE_PUSH_BUTTON, "OK"), "OK button"))
    wait_for(lambda: None if shown() else True, "closed message box")
    return spoken


app = wait_for(application, "application on the accessibility bus")
frame = wait_for(lambda: control(app, ROLE_FRAME, "VelmoricFlow Equations"), "main window")

boxes = {}
for name in ("ratio of specific heats gamma", "Mach number", "stagnation to static pressure ratio",
             "stagnation to static temperature ratio", "stagnation to static density ratio"):
    boxes[name] = wait_for(lambda: control(app, ROLE_TEXT, name), f"text box {name!r}")
for name in ("gamma =", "rho o over rho =", "Po/P ="):
    wait_for(lambda: control(app, ROLE_LABEL, name), f"label {name!r}")
expect(text_of(boxes["ratio of specific heats gamma"]), "1.4", "gamma at start")

button = wait_for(lambda: control(app, ROLE_PUSH_BUTTON, "Choose an input option"), "button")
press(button)
expect(message(app, "choose an input parameter"), "choose an input parameter", "message")

press(wait_for(lambda: control(app, ROLE_RADIO_BUTTON, "Po/P"), "Po/P option"))
button = wait_for(lambda: control(app, ROLE_PUSH_BUTTON, "Input value then CLICK"), "new caption")
pop = boxes["stagnation to static pressure ratio"]
wait_for(lambda: True if text_of(pop) == " " else None, "Po/P box cleared to a space")
pop.queryEditableText().setTextContents("2")
press(button)
mach = boxes["Mach number"]
wait_for(lambda: True if text_of(mach) == "1.0465" else None, "M = 1.0465")
expect(text_of(boxes["stagnation to static temperature ratio"]), "1.219", "To/T")
expect(text_of(boxes["stagnation to static density ratio"]), "1.6407", "rho_o/rho")

pop.queryEditableText().setTextContents("0.5")
press(button)
message(app, "Po/P must be at least 1 when \u03b3 is above 1.")
expect(text_of(mach), "", "M after a failure")
print("the window works through the accessibility bus")
