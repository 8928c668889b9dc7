#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures how soon the print settings window appears after the print command and how long
# a run of ten labels takes from "Oui" until CUPS has accepted it (a private scheduler).
#
# Usage: measure-print.sh BUILD_DIR [RUNS]
# Runs on the X server in DISPLAY, or else on a private Xvfb (Debian package xvfb). Build
# the target measure_print first (cmake --build BUILD_DIR --target measure_print).
set -eu
program="$1/scripts/bench/measure_print"
# In a build tree, the CUPS module and the printer query are not where an installed program
# finds them: they are named, as ctest names them for the tests.
KORVALIN_CUPS_MODULE=$(ls "$1"/lib/*/korvalin/korvalin-cups.so | head -n 1)
KORVALIN_PRINTER_QUERY_PROGRAM="$1/src/korvalin"
export KORVALIN_CUPS_MODULE KORVALIN_PRINTER_QUERY_PROGRAM
runs="${2:-15}"
if [ -z "${DISPLAY:-}" ]; then
    Xvfb :92 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb"' EXIT
    for _ in $(seq 100); do
        [ -e /tmp/.X11-unix/X92 ] && break
        sleep 0.05
    done
    export DISPLAY=:92
fi
QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$program" "$runs"
