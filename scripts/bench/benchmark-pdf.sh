#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures `korvalin --pdf` for a full numbered run of ten labels with an icon: the
# median wall time and the median peak resident memory of the whole process.
# Usage: scripts/bench/benchmark-pdf.sh [RUNS]   (default 21)
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
runs="${1:-21}"

"$here/scripts/install-deps.sh"
command -v /usr/bin/time >/dev/null || { apt-get install -y -qq time >/dev/null; }
cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DKORVALIN_TESTS=OFF >/dev/null
cmake --build "$here/build/release" --parallel "$(nproc)" >/dev/null

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cd "$here"
for _ in $(seq "$runs"); do
  /usr/bin/time -f '%e %M' -a -o "$out/times" \
    build/release/src/korvalin --pdf "$out/page.pdf" --number 1 --style X/X examples/disquettes.eti 2>/dev/null
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
seconds=$(cut -d' ' -f1 "$out/times" | median)
kilobytes=$(cut -d' ' -f2 "$out/times" | median)
echo "korvalin --pdf, ten numbered labels with an icon, median of $runs runs:"
echo "  time: ${seconds} s"
echo "  peak resident memory: $((kilobytes / 1024)) MB"
