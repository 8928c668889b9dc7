#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Walks the main window of a running Korvalin through AT-SPI, as a screen reader does.

Fails when a control shown in the window has no accessible name, or when the label's three
zones cannot be found by name. Waits for the program to register (30 s at most).
Usage: atspi-walk.py (run inside the program's D-Bus session, with its DISPLAY)."""
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_MENU, pyatspi.ROLE_TOGGLE_BUTTON,
}
ZONES = ["Zone de texte 1", "Zone de texte 2", "Zone de texte 3"]


def korvalin():
    for application in pyatspi.Registry.getDesktop(0):
        if application and "korvalin" in (application.name or "").lower():
            return application
    return None


def shown_controls(node, depth=0):
    if node is None or depth > 40:
        return
    if node.getRole() in CONTROLS and node.getState().contains(pyatspi.STATE_SHOWING):
        yield node
    for child in node:
        yield from shown_controls(child, depth + 1)


def main():
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        application = korvalin()
        controls = list(shown_controls(application)) if application else []
        names = [control.name for control in controls]
        if all(zone in names for zone in ZONES):
            nameless = [control.getRoleName() for control in controls if not control.name.strip()]
            print(f"{len(controls)} controls, nameless: {nameless}")
            return 1 if nameless else 0
        time.sleep(0.2)
    print("the zones were not found by name through AT-SPI", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
