#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from the build folder, as the README tells, and checks it as a
# distribution would: lintian, pedantic and with its informational tags, finds nothing but
# the placeholder maintainer address (a ".invalid" one, when the build was given none) in
# the Maintainer field and the changelog's signature, and the changelog's latest entry is
# the package's version.
#   check-package.sh BUILD_DIR
set -euo pipefail
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 || {
  cat "$scratch/cpack.log" >&2
  exit 1
}
deb=("$scratch"/korvalin_*.deb)
[ -f "${deb[0]}" ] || { echo "ÉCHEC : cpack n'a pas fait de paquet" >&2; exit 1; }

version="$(dpkg-deb -f "${deb[0]}" Version)"
maintainer="$(dpkg-deb -f "${deb[0]}" Maintainer)"
allowed=()
if [[ "$maintainer" =~ \<([^\>]+\.invalid)\>$ ]]; then
  address="${BASH_REMATCH[1]}"
  allowed=("E: korvalin: bogus-mail-host Maintainer $address"
    "E: korvalin: bogus-mail-host-in-debian-changelog $address (for version $version) [usr/share/doc/korvalin/changelog.gz:1]")
fi

failures=0
lintian --pedantic --display-info --fail-on none --tag-display-limit 0 "${deb[0]}" \
  >"$scratch/lintian.log" 2>/dev/null || { echo "ÉCHEC : lintian n'a pas pu examiner le paquet" >&2; exit 1; }
while IFS= read -r tag; do
  for ok in "${allowed[@]}"; do
    [ "$tag" = "$ok" ] && continue 2
  done
  echo "ÉCHEC : lintian : $tag" >&2
  failures=$((failures + 1))
done < <(grep -E '^[EWIPX]: ' "$scratch/lintian.log" || true)

dpkg-deb -x "${deb[0]}" "$scratch/root"
zcat "$scratch/root/usr/share/doc/korvalin/changelog.gz" >"$scratch/changelog"
latest="$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)"
[ "$latest" = "$version" ] ||
  { echo "ÉCHEC : le changelog s'arrête à $latest, le paquet est en $version (NEWS.md)" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || exit 1
echo "Paquet conforme : $(basename "${deb[0]}")."
