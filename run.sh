#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds Korvalin (Release) and starts it.
# Usage: ./run.sh [LABEL.eti]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DKORVALIN_TESTS=OFF >/dev/null
cmake --build "$here/build/release" --parallel "$(nproc)"
exec "$here/build/release/src/korvalin" "$@"
