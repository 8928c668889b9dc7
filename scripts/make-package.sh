#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from this folder: installs what is missing, builds Korvalin
# (Release, into build/release), packs it and prints the package's path.
# Usage: scripts/make-package.sh [-DKORVALIN_MAINTAINER="Name <address>"]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DKORVALIN_TESTS=OFF "$@" >/dev/null
cmake --build "$here/build/release" --parallel "$(nproc)"
cd "$here/build/release"
cpack -G DEB | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
