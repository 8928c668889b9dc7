#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that building, running and testing Korvalin need.
# Packages already present are skipped, so a second run costs almost nothing.
set -euo pipefail

packages=(
  # build
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-l10n-tools libcups2-dev libx11-dev
  libfontconfig-dev zlib1g-dev
  # run
  fonts-liberation fonts-comic-neue qt6-translations-l10n
  # tests: a private CUPS scheduler with a PDF queue, PDF inspection, sanitizers
  cups cups-client cups-filters poppler-utils clang libclang-rt-14-dev
  # tests: the window walked through AT-SPI on a private X server
  xvfb dbus at-spi2-core python3-pyatspi
  # install checks: desktop entry, AppStream data, file types as a desktop sees them
  # (xdg-mime asks mimetype), the manual page; the Debian package's dependencies
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
  dpkg-dev
  # the Debian package as a distribution checks it; every file's licence
  lintian reuse
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Paquets manquants : ${missing[*]} (relancer en root pour les installer)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  # The machine's own print service is not ours to start: the tests run a private scheduler.
  export RUNLEVEL=1
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
