#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes a label whose zone 1 is a single line of LENGTH characters (default 1,000,000)
# with no place to break it, the rest as in data/sauvegarde.eti:
#   tests/label/make-long-line-label.sh OUT.eti [LENGTH]
# The file format puts no bound on a line, and the window once took minutes to show such
# a label; the tests open and save it, and it serves to time "Ouvrir" by hand.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="${1:?usage: make-long-line-label.sh OUT.eti [LENGTH]}"
length="${2:-1000000}"
{
  printf '[Titre 1]\r\n"'
  head -c "$length" /dev/zero | tr '\0' 'W'
  printf '"\r\n'
  tail -n +3 "$here/data/sauvegarde.eti"
} >"$out"
