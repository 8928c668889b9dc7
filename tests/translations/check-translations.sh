#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Refreshes copies of the translations from the sources, as the korvalin_lupdate target
# does, and checks them: a text added or changed in the sources since the last refresh
# shows as untranslated, whoever changed it.
#   check-translations.sh TEST_PROGRAM TS_FILE... -- LUPDATE_COMMAND...
set -euo pipefail
program="$1"
shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
copies=()
while [ "$1" != "--" ]; do
  cp "$1" "$scratch/"
  copies+=("$scratch/$(basename "$1")")
  shift
done
shift
"$@" "${copies[@]}" >"$scratch/lupdate.log" 2>&1 || { cat "$scratch/lupdate.log" >&2; exit 1; }
# lupdate names by file and line the texts it cannot take (a tr() it cannot place): each
# would stay French.
if grep -E '^[^ ]+:[0-9]+: ' "$scratch/lupdate.log" >&2; then
  exit 1
fi
KORVALIN_TS_FILES="$(IFS=:; echo "${copies[*]}")" "$program"
