#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A list of 1,000 labels (100 sheets) with the example label's picture written by
# `korvalin --pdf --list`, against a bare QPdfWriter writing the same 100 pages of text
# (qtfloor/pdfpages.cpp), measured in one run so that the machine's load hits both alike.
# Usage: scripts/bench/list-ratio.sh PATH/TO/korvalin [RUNS]   (run from the project root;
# needs hyperfine and qt6-base-dev; the aim is korvalin <= 2x the bare pages)
set -eu
K=$(realpath "${1:?path to the korvalin executable}"); N=${2:-10}
here=$(cd "$(dirname "$0")" && pwd); W=$(mktemp -d)
trap 'rm -rf "$W"' EXIT
cmake -S "$here/qtfloor" -B "$W/floor" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$W/floor" -j2 --target qtpdfpages >/dev/null
for n in $(seq 1 1000); do
  printf 'Disquette %d\tSauvegarde du %d\n' "$n" "$n"
done >"$W/liste.txt"
export QT_QPA_PLATFORM=offscreen
hyperfine -N -w 2 -r "$N" \
  "$K --pdf $W/korvalin.pdf --number 1 --style X/X --list $W/liste.txt examples/disquettes.eti" \
  "$W/floor/qtpdfpages $W/bare.pdf"
