#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures how fast the main window appears and how much memory it holds once idle.

Usage: measure-startup.py KORVALIN_EXECUTABLE [RUNS]

Runs on the X server in DISPLAY, or else on a private Xvfb (Debian package xvfb) that it
starts and stops itself. There must be no window manager, so that the main window is mapped
directly on the root window. For each run the time goes from just before the process is
started to the X MapNotify event of its first top-level window; the resident memory is read
two seconds later. The medians are printed. Build the program in Release first.
"""
import ctypes
import os
import statistics
import subprocess
import sys
import time

SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19

xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
xlib.XPending.argtypes = [ctypes.c_void_p]
xlib.XFlush.argtypes = [ctypes.c_void_p]


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_run(display, executable):
    event = ctypes.create_string_buffer(192)  # an XEvent is a union of 24 longs
    while xlib.XPending(display):
        xlib.XNextEvent(display, event)
    env = dict(os.environ, LC_ALL="C.UTF-8")
    start = time.monotonic()
    process = subprocess.Popen([executable], env=env, cwd=os.path.dirname(executable),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while True:
            xlib.XNextEvent(display, event)
            if ctypes.c_int.from_buffer(event).value == MAP_NOTIFY:
                mapped = time.monotonic()
                break
        time.sleep(2)
        return (mapped - start) * 1000, resident_kib(process.pid) / 1024
    finally:
        process.terminate()
        process.wait()


def private_x_server():
    server = subprocess.Popen(["Xvfb", ":91", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = ":91"
    for _ in range(100):
        if os.path.exists("/tmp/.X11-unix/X91"):
            return server
        time.sleep(0.05)
    server.terminate()
    sys.exit("Xvfb did not start (apt-get install xvfb)")


def main():
    executable = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    server = None if os.environ.get("DISPLAY") else private_x_server()
    try:
        measure(executable, runs)
    finally:
        if server:
            server.terminate()
            server.wait()


def measure(executable, runs):
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("No X display: start Xvfb and set DISPLAY")
    xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XFlush(display)
    one_run(display, executable)  # warms the disk cache
    times, memories = zip(*(one_run(display, executable) for _ in range(runs)))
    print(f"{runs} runs: mapped after {statistics.median(times):.0f} ms median "
          f"(min {min(times):.0f}, max {max(times):.0f}); "
          f"resident when idle {statistics.median(memories):.1f} MB median")


if __name__ == "__main__":
    main()
