#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes data/cp1252.txt, the Windows-1252 reference the code-page test checks against:
# one line per byte, "XX UUUU" (byte and Unicode code point, in hexadecimal), or
# "XX undefined" for the bytes the code page leaves out. Made by iconv, not by our code.
set -euo pipefail
cd "$(dirname "$0")"
{
  for b in $(seq 0 255); do
    byte=$(printf '%02X' "$b")
    if unit=$(printf "\\x$byte" | iconv -f CP1252 -t UTF-16BE 2>/dev/null | od -An -tx1 | tr -d ' \n'); then
      echo "$byte ${unit^^}"
    else
      echo "$byte undefined"
    fi
  done
} > data/cp1252.txt
