#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Walks the windows of a running Korvalin through AT-SPI, as a screen reader does.

The main window first, then the print settings window opened from it in the mode that shows
every group. Fails when a control shown has no accessible name, when a group is not announced
by its own caption, or when the label's three zones cannot be found by name. Waits for the
program to register and each window to show (30 s at most each).
Usage: atspi-walk.py (run inside the program's D-Bus session, with its DISPLAY)."""
import sys
import time

import pyatspi
from gi.repository import GLib

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_MENU, pyatspi.ROLE_TOGGLE_BUTTON,
}
# Qt gives a group box the panel role; some bridges say grouping.
GROUPS = {pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING}
ZONES = ["Zone de texte 1", "Zone de texte 2", "Zone de texte 3"]
MAIN_WINDOW_GROUPS = ["Texte", "Aligner texte 1", "Logo / Icône", "Iimprimante"]
PRINT_SETTINGS_GROUPS = [
    "Feuille A4 ou Personnalisée Etiquettes 70 x 50", "Option",
    "Etiquettes identiques / Numérotation", "Numérotation automatique",
    "Type d'incrémentation du texte 3",
]


def korvalin():
    for application in pyatspi.Registry.getDesktop(0):
        if application and "korvalin" in (application.name or "").lower():
            return application
    return None


def shown(node, roles, depth=0):
    if node is None or depth > 40:
        return
    if node.getRole() in roles and node.getState().contains(pyatspi.STATE_SHOWING):
        yield node
    for child in node:
        yield from shown(child, roles, depth + 1)


def wait_for(found, what):
    """found() until it gives something, within 30 s; exits when it never does."""
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        application = korvalin()
        result = found(application) if application else None
        if result:
            return result
        time.sleep(0.2)
    print(f"{what} not found through AT-SPI", file=sys.stderr)
    sys.exit(1)


def named_controls(application, names):
    """The shown controls once every one of names is among them."""
    controls = list(shown(application, CONTROLS))
    control_names = [control.name for control in controls]
    return controls if all(name in control_names for name in names) else None


def groups_named(application, captions):
    """The shown groups' names once every caption is one of them: a group announced by the
    caption of the group around it, or by none, leaves its own caption missing."""
    names = [group.name.strip() for group in shown(application, GROUPS)]
    return names if all(caption in names for caption in captions) else None


def press(application, name, opens_modal_window=False):
    control = next(c for c in shown(application, CONTROLS) if c.name == name)
    try:
        control.queryAction().doAction(0)
    except GLib.GError:
        # Qt answers a press that opens a modal window once that window is closed: the
        # call gives up waiting, and the window is there.
        if not opens_modal_window:
            raise


def is_checked(application, name):
    control = next(c for c in shown(application, CONTROLS) if c.name == name)
    return control.getState().contains(pyatspi.STATE_CHECKED)


def check_window(controls, groups):
    nameless = [control.getRoleName() for control in controls if not control.name.strip()]
    print(f"{len(controls)} controls, nameless: {nameless}; groups: {groups}")
    return not nameless


def main():
    controls = wait_for(lambda app: named_controls(app, ZONES), "the zones")
    groups = wait_for(lambda app: groups_named(app, MAIN_WINDOW_GROUPS),
                      "the main window's groups by their captions")
    if not check_window(controls, groups):
        return 1

    press(korvalin(), "Imprimer", opens_modal_window=True)
    wait_for(lambda app: named_controls(app, ["10 Etiquettes identiques"]),
             "the print settings window")
    press(korvalin(), "10 Etiquettes identiques")
    wait_for(lambda app: named_controls(app, ["Incrémentation automatique du texte 3"]),
             "the run of identical labels")
    if not is_checked(korvalin(), "Incrémentation automatique du texte 3"):
        press(korvalin(), "Incrémentation automatique du texte 3")
    groups = wait_for(lambda app: groups_named(app, PRINT_SETTINGS_GROUPS),
                      "the print settings window's groups by their captions")
    return 0 if check_window(list(shown(korvalin(), CONTROLS)), groups) else 1


if __name__ == "__main__":
    sys.exit(main())
