#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line's sheet against a bare Qt PDF page, measured in one run so that the
# machine's load hits both alike: a numbered run of ten labels with an icon written by
# `korvalin --pdf`, and one line of text on a page written by QPrinter (qtfloor/pdf.cpp).
# Usage: scripts/bench/pdf-ratio.sh PATH/TO/korvalin [RUNS]   (run from the project root;
# needs hyperfine and qt6-base-dev; the aim is korvalin <= 1.05x the bare page)
set -eu
K=$(realpath "${1:?path to the korvalin executable}"); N=${2:-30}
here=$(cd "$(dirname "$0")" && pwd); W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
cmake -S "$here/qtfloor" -B "$W/floor" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$W/floor" -j2 >/dev/null
export QT_QPA_PLATFORM=offscreen
hyperfine -N -w 3 -r "$N" \
  "$K --pdf $W/korvalin.pdf --number 1 --style X/X examples/disquettes.eti" \
  "$W/floor/qtpdf $W/bare.pdf"
