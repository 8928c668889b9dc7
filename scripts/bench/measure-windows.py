#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures how fast the preview and the about box appear once their command is given.

Usage: measure-windows.py KORVALIN_EXECUTABLE [RUNS]

Starts the program on the X server in DISPLAY, or else on a private Xvfb, as
measure-startup.py does (no window manager). The commands are given from the keyboard through
the XTEST extension, as a user would: Alt+F then "A" for "&Aperçu"; Alt+F, Right, Up and Enter
for "A propos". Each time goes from the key that gives the command to the X MapNotify event of
the window it opens; the window is then closed with Escape. The medians are printed.
"""
import ctypes
import importlib.util
import os
import statistics
import subprocess
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("measure_startup",
                                              os.path.join(here, "measure-startup.py"))
startup = importlib.util.module_from_spec(spec)
spec.loader.exec_module(startup)
xlib = startup.xlib

MAP_NOTIFY = 19
UNMAP_NOTIFY = 18

xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_ulong]
xlib.XStringToKeysym.restype = ctypes.c_ulong
xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
xlib.XKeysymToKeycode.restype = ctypes.c_ubyte
xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xlib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
xlib.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
REVERT_TO_PARENT = 2


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class Display:
    def __init__(self):
        self.handle = xlib.XOpenDisplay(None)
        if not self.handle:
            sys.exit("No X display: start Xvfb and set DISPLAY")
        xlib.XSelectInput(self.handle, xlib.XDefaultRootWindow(self.handle),
                          startup.SUBSTRUCTURE_NOTIFY_MASK)
        xlib.XFlush(self.handle)
        self.event = ctypes.create_string_buffer(192)

    def drain(self):
        while xlib.XPending(self.handle):
            xlib.XNextEvent(self.handle, self.event)

    def wait_for(self, event_type, timeout=10):
        """Time of the next event of that type on the root window's children, and the window.

        With no window manager, a window mapped for the user gets the keyboard focus here."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if xlib.XPending(self.handle):
                xlib.XNextEvent(self.handle, self.event)
                if ctypes.c_int.from_buffer(self.event).value == event_type:
                    when = time.monotonic()
                    mapped = MapEvent.from_buffer(self.event)
                    if event_type == MAP_NOTIFY and not mapped.override_redirect:
                        self.focus(mapped.window)
                    return when, mapped.window
            else:
                time.sleep(0.0005)
        raise TimeoutError("no window event within %d s" % timeout)

    def focus(self, window):
        xlib.XSetInputFocus(self.handle, window, REVERT_TO_PARENT, 0)
        xlib.XFlush(self.handle)

    def key(self, name, press=True, release=True):
        code = xlib.XKeysymToKeycode(self.handle, xlib.XStringToKeysym(name.encode()))
        if press:
            xtst.XTestFakeKeyEvent(self.handle, code, 1, 0)
        if release:
            xtst.XTestFakeKeyEvent(self.handle, code, 0, 0)
        xlib.XFlush(self.handle)

    def chord(self, modifier, name):
        self.key(modifier, release=False)
        self.key(name)
        self.key(modifier, press=False)

    def point_at_centre(self):
        xtst.XTestFakeMotionEvent(self.handle, 0, xlib.XDisplayWidth(self.handle, 0) // 2,
                                  xlib.XDisplayHeight(self.handle, 0) // 2, 0)
        xlib.XFlush(self.handle)


def open_preview(display):
    display.chord("Alt_L", "f")
    display.wait_for(MAP_NOTIFY)  # the menu
    time.sleep(0.1)
    display.drain()
    start = time.monotonic()
    display.key("a")
    return start


def open_about(display):
    display.chord("Alt_L", "f")
    display.wait_for(MAP_NOTIFY)  # the "Fichier" menu
    display.key("Right")
    display.wait_for(MAP_NOTIFY)  # the "?" menu
    display.key("Up")  # from the first entry round to the last, "A propos"
    time.sleep(0.1)
    display.drain()
    start = time.monotonic()
    display.key("Return")
    return start


def measure(display, main_window, opener, runs):
    times = []
    for _ in range(runs + 1):
        display.focus(main_window)
        time.sleep(0.1)
        start = opener(display)
        times.append((display.wait_for(MAP_NOTIFY)[0] - start) * 1000)
        time.sleep(0.2)
        display.drain()
        display.key("Escape")
        display.wait_for(UNMAP_NOTIFY)
        time.sleep(0.2)
    return times[1:]  # the first opening also loads fonts and pictures from disk


def main():
    executable = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    server = None if os.environ.get("DISPLAY") else startup.private_x_server()
    display = Display()
    env = dict(os.environ, LC_ALL="C.UTF-8")
    program = subprocess.Popen([executable], env=env, cwd=os.path.dirname(executable),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main_window = display.wait_for(MAP_NOTIFY)[1]
        time.sleep(1)
        display.point_at_centre()
        display.drain()
        for name, opener in (("preview", open_preview), ("about box", open_about)):
            times = measure(display, main_window, opener, runs)
            print(f"{name}: {runs} openings, mapped {statistics.median(times):.1f} ms after the "
                  f"command (median; min {min(times):.1f}, max {max(times):.1f})")
    finally:
        program.terminate()
        program.wait()
        if server:
            server.terminate()
            server.wait()


if __name__ == "__main__":
    main()
