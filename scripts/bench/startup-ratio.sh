#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up and idle memory of Korvalin against a bare Qt 6 window, measured in one run so that
# the machine's load hits both alike. Prints medians and the two ratios the project aims at:
# mapped time <= 1.10x the bare window, idle resident memory <= bare window + 6 MB.
# Usage: startup-ratio.sh PATH/TO/korvalin [RUNS]   (needs xvfb, libx11-dev, qt6-base-dev)
set -u
K=$(realpath "${1:?path to the korvalin executable}"); N=${2:-11}
here=$(cd "$(dirname "$0")" && pwd); W=$(mktemp -d)
trap 'kill ${XV:-} 2>/dev/null; rm -rf "$W"' EXIT
gcc -O2 -o "$W/mapwait" "$here/mapwait.c" -lX11 || exit 1
cmake -S "$here/qtfloor" -B "$W/floor" -DCMAKE_BUILD_TYPE=Release >/dev/null && cmake --build "$W/floor" -j2 >/dev/null || exit 1
label=$(realpath examples/sauvegarde.eti 2>/dev/null); [ -f "$label" ] || label=""   # run from the project root to open the example
# Both start with empty settings and state, so that a recovery copy or recent labels left by
# earlier runs neither add a question nor change what is measured.
export XDG_CONFIG_HOME="$W/config" XDG_STATE_HOME="$W/state"
Xvfb :87 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & XV=$!; export DISPLAY=:87 QT_QPA_PLATFORM=xcb; sleep 1
one() { # name-substring command... -> "ms rssKB"
  local out pid ms rss; out=$(timeout 20 "$W/mapwait" "$@") || { echo "0 0"; return; }
  pid=${out%% *}; ms=${out##* }; sleep 1.5; rss=$(ps -o rss= -p "$pid" | tr -d ' ')
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; sleep 0.2; echo "$ms ${rss:-0}"
}
one disquette "$K" $label >/dev/null; one QtFloor "$W/floor/qtwin" >/dev/null   # warm caches
for i in $(seq "$N"); do one disquette "$K" $label >>"$W/k"; one QtFloor "$W/floor/qtwin" >>"$W/q"; done
python3 - "$W/k" "$W/q" <<'PY'
# The fastest of N runs is the least disturbed by other work on the machine: the ratios use it.
import statistics as s, sys
k = [tuple(map(float, l.split())) for l in open(sys.argv[1])]; q = [tuple(map(float, l.split())) for l in open(sys.argv[2])]
kmin, qmin = min(a for a, _ in k), min(a for a, _ in q)
kmed, qmed = s.median(a for a, _ in k), s.median(a for a, _ in q)
kr, qr = s.median(b for _, b in k) / 1024, s.median(b for _, b in q) / 1024
print(f"mapped (fastest of {len(k)}): korvalin {kmin:.1f} ms, bare Qt {qmin:.1f} ms, ratio {kmin / qmin:.2f} (aim <= 1.10); medians {kmed:.1f} / {qmed:.1f} ms")
print(f"idle RSS (median): korvalin {kr:.1f} MB, bare Qt {qr:.1f} MB, difference {kr - qr:+.1f} MB (aim <= +6)")
PY
