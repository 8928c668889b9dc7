#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Korvalin on a private X server and D-Bus session with its accessibility bridge on,
# and walks its window through AT-SPI. Usage: atspi-walk.sh KORVALIN LABEL.eti
set -euo pipefail
program="$1"
label="$2"
here="$(cd "$(dirname "$0")" && pwd)"

work="$(mktemp -d)"
# Xvfb writes its display number once it accepts connections.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
# No printer: the walk must not depend on the machine's own print service.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb CUPS_SERVER=/nonexistent/cups.sock
# The label it opens goes into the recent labels of a scratch settings folder, never the user's.
export XDG_CONFIG_HOME="$work/config"
# The walk presses controls by their French names, whatever the desktop's language.
export LC_ALL=C.UTF-8
unset LANGUAGE

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  "$1" "$2" >"$4/program.log" 2>&1 &
  program=$!
  status=0
  /usr/bin/python3 "$3/atspi-walk.py" || status=$?
  kill "$program" 2>/dev/null || true
  [ "$status" -eq 0 ] || cat "$4/program.log" >&2
  exit "$status"
' walk "$program" "$label" "$here" "$work"
