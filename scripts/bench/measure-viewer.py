#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures how fast the image viewer answers: its opening, a folder of 10,000 files and a
24-megapixel JPEG.

Usage: measure-viewer.py MEASURE_VIEWER_EXECUTABLE [RUNS]

MEASURE_VIEWER_EXECUTABLE is build/<dir>/scripts/bench/measure_viewer (built with the tests;
build in Release for figures worth quoting). Runs on the X server in DISPLAY, or else on a
private Xvfb (Debian package xvfb) that it starts and stops itself. The folder and the JPEG
are made once in a temporary folder. Each run is a new process that reports, in ms:
  open   from creating the viewer to its window being exposed;
  first  from creating a viewer whose folder holds 10,000 files to the first names listed;
  all    the same, to all 10,000 names listed;
  stall  the longest time the window did not answer meanwhile (its first painting included);
  photo  from choosing the JPEG in the list to the large picture painted;
  photostall  the longest time the window did not answer meanwhile.
The medians are printed, with the lowest and highest values.
"""
import importlib.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
spec = importlib.util.spec_from_file_location("measure_startup",
                                              os.path.join(here, "measure-startup.py"))
startup = importlib.util.module_from_spec(spec)
spec.loader.exec_module(startup)


def one_run(executable, data):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    output = subprocess.run([executable, data], env=env, check=True, capture_output=True,
                            text=True, timeout=300).stdout.split()
    return {output[i]: int(output[i + 1]) for i in range(0, len(output) - 1, 2)}


def measure(executable, runs):
    data = tempfile.mkdtemp(prefix="korvalin-viewer-")
    try:
        one_run(executable, data)  # makes the files and warms the disk cache
        results = [one_run(executable, data) for _ in range(runs)]
    finally:
        shutil.rmtree(data)
    for key in results[0]:
        values = [result[key] for result in results]
        print(f"{key:>10}: {statistics.median(values):6.0f} ms median "
              f"(min {min(values)}, max {max(values)})")


def main():
    executable = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    server = None if os.environ.get("DISPLAY") else startup.private_x_server()
    try:
        print(f"{runs} runs")
        measure(executable, runs)
    finally:
        if server:
            server.terminate()
            server.wait()


if __name__ == "__main__":
    main()
